#include "app/results_panel.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>

#include "core/editor_texts.h"
#include "skin/captioned_panel.h"
#include "skin/cool_button.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

FramedPane::FramedPane(QWidget* parent) : QWidget(parent) {}

void FramedPane::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QRect FramedPane::BodyRect() const { return rect().adjusted(24, 50, -24, -20); }

void FramedPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCaptionedPanel(painter, rect(), caption_, false);
}

ResultsPanel::ResultsPanel(QWidget* parent)
    : FramedPane(parent), list_(new QListWidget(this)), close_(new CoolButton(ToQt(Say(text::kClose)), this)) {
    const Skin& skin = Skin::Instance();
    list_->setFont(skin.dialogFont);
    list_->setUniformItemSizes(true);
    list_->setStyleSheet(QStringLiteral("QListWidget { background: %1; color: %2; border: 1px solid %3; }"
                                        "QListWidget::item { padding: 1px 4px; border: 1px solid transparent; }"
                                        "QListWidget::item:selected { background: %4; color: %5;"
                                        " border: 1px solid %6; }")
                             .arg(skin.deep.name(), skin.text.name(), skin.bronzeDark.name(), skin.bark.name(),
                                  skin.textWhite.name(), skin.bronzeLight.name()));
    replace_ = new CoolButton(ToQt(Say(text::kReplaceWith)), this);
    replace_->setFocusPolicy(Qt::NoFocus);
    replace_->hide();
    connect(replace_, &QPushButton::clicked, this, [this] {
        if (int heading = CurrentHeading(); heading >= 0) emit ReplaceAsked(heading);
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { replace_->setEnabled(CurrentHeading() >= 0); });
    close_->setFocusPolicy(Qt::NoFocus);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { Choose(list_->row(item)); });
    connect(close_, &QPushButton::clicked, this, [this] { emit Closed(); });
}

void ResultsPanel::Show(const QString& caption, std::vector<ResultLine> lines) {
    Fill(caption, std::move(lines), -1);
    show();
    list_->setFocus();
}

void ResultsPanel::Renew(const QString& caption, std::vector<ResultLine> lines) {
    Fill(caption, std::move(lines), list_->currentRow());
}

void ResultsPanel::Fill(const QString& caption, std::vector<ResultLine> lines, int keptRow) {
    SetCaption(caption);
    lines_ = std::move(lines);
    const Skin& skin = Skin::Instance();
    list_->clear();
    for (const ResultLine& line : lines_) {
        auto* item = new QListWidgetItem(line.heading ? line.text : "    " + line.text, list_);
        if (line.colour.isValid()) item->setForeground(line.colour);
        if (line.heading) {
            // A heading names what follows; it is a place to go to only when
            // it has one.
            item->setFont(skin.dialogBold);
            item->setForeground(skin.caption);
            if (line.path[0] < 0) item->setFlags(Qt::ItemIsEnabled);
        }
    }
    auto entry = [&](int row) {
        return row >= 0 && row < list_->count() &&
               (!lines_[static_cast<std::size_t>(row)].heading || lines_[static_cast<std::size_t>(row)].path[0] >= 0);
    };
    if (entry(keptRow)) {
        list_->setCurrentRow(keptRow);
        return;
    }
    for (int row = 0; row < list_->count(); ++row)
        if (entry(row)) {
            list_->setCurrentRow(row);
            break;
        }
}

void ResultsPanel::SetReplaceable(bool replaceable) {
    replace_->setVisible(replaceable);
    replace_->setEnabled(CurrentHeading() >= 0);
}

int ResultsPanel::CurrentHeading() const {
    int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size())) return -1;
    int heading = -1;
    bool above = false;
    for (int r = 0; r <= row; ++r)
        if (lines_[static_cast<std::size_t>(r)].heading) {
            ++heading;
            above = true;
        }
    return above ? heading : -1;
}

void ResultsPanel::Choose(int row) {
    if (row < 0 || row >= static_cast<int>(lines_.size())) return;
    const ResultLine& line = lines_[static_cast<std::size_t>(row)];
    if (line.path[0] >= 0) emit Chosen(line.path);
}

void ResultsPanel::resizeEvent(QResizeEvent*) {
    QRect body = BodyRect();
    QSize button = close_->sizeHint().expandedTo(replace_->sizeHint()).expandedTo(QSize(110, 34));
    list_->setGeometry(body.adjusted(0, 0, -button.width() - 10, 0));
    close_->setGeometry(body.right() - button.width() + 1, body.top(), button.width(), button.height());
    replace_->setGeometry(close_->geometry().translated(0, button.height() + 8));
}

bool ResultsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_) return false;
    bool shortcut = event->type() == QEvent::ShortcutOverride;
    if (!shortcut && event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    bool escape = key->key() == Qt::Key_Escape;
    if (!enter && !escape) return false;
    // Enter is the list's here, not the window's Modify.
    event->accept();
    if (!shortcut) {
        if (enter)
            Choose(list_->currentRow());
        else
            emit Closed();
    }
    return true;
}

}  // namespace sced
