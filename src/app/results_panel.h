#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "controls/tree_path.h"

class QListWidget;

namespace sced {

class CoolButton;

// A pane under the tree in the skin's captioned frame; its body fills the
// frame.
class FramedPane : public QWidget {
    Q_OBJECT
public:
    explicit FramedPane(QWidget* parent = nullptr);
    void SetCaption(const QString& caption);
    QString caption() const { return caption_; }

protected:
    // Where the body sits clear of the frame and the plate.
    QRect BodyRect() const;
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// One line of the results: a heading, or an entry; either may name a node
// of the scenario tree (kNoTreePath for one that concerns the whole
// mission, or names none).
struct ResultLine {
    QString text;
    TreePath path = kNoTreePath;
    bool heading = false;
    QColor colour = {};  // the text's, when not the panel's own
};

// The lines a command found (where a thing is used, the mission's
// problems) under its caption, with a Close button, and for Where used a
// Replace with... button for the thing whose heading stands above the
// current line. A double click or Enter on an entry with a node goes
// there; Escape closes the panel.
class ResultsPanel : public FramedPane {
    Q_OBJECT
public:
    explicit ResultsPanel(QWidget* parent = nullptr);
    // Shows the lines with the first entry current and the focus in the list.
    void Show(const QString& caption, std::vector<ResultLine> lines);
    // The lines anew after the mission changed: the current row and the
    // focus stay where they were.
    void Renew(const QString& caption, std::vector<ResultLine> lines);
    // Whether Replace with... shows.
    void SetReplaceable(bool replaceable);
    QListWidget* list() const { return list_; }
    const std::vector<ResultLine>& lines() const { return lines_; }

signals:
    void Chosen(const TreePath& path);
    void Closed();
    // Replace with... for the thing of the heading (counted from 0).
    void ReplaceAsked(int heading);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int row);
    // The heading at or above the current row; -1 when none.
    int CurrentHeading() const;
    void Fill(const QString& caption, std::vector<ResultLine> lines, int keptRow);

    QListWidget* list_;
    CoolButton* close_;
    CoolButton* replace_;
    std::vector<ResultLine> lines_;
};

}  // namespace sced
