#include "app/page_dialog.h"

#include <QBoxLayout>
#include <QGuiApplication>

#include "app/picture_view.h"
#include "app/user_questions.h"
#include "controls/control_table.h"
#include "core/editor_texts.h"
#include "core/game_path.h"
#include "core/string_table.h"
#include "editing/name_rules.h"
#include "skin/cool_edit.h"
#include "skin/cool_tree_ctrl.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {

QImage ImageOf(const GpImage& picture) {
    QImage image(picture.rgb.data(), picture.width, picture.height, picture.width * 3, QImage::Format_RGB888);
    return image.copy();  // the pixels stay the cache's
}

// The skin's background as the ground the pictures are decoded onto, in
// the picture's own pixels.
GpImage GroundOf(const QPixmap& background) {
    QImage image = background.toImage().convertToFormat(QImage::Format_RGB888);
    image = image.scaled(background.deviceIndependentSize().toSize());
    GpImage ground;
    ground.width = image.width();
    ground.height = image.height();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        ground.rgb.insert(ground.rgb.end(), line, line + static_cast<std::ptrdiff_t>(image.width()) * 3);
    }
    return ground;
}

}  // namespace

PageDialog::PageDialog(QWidget* parent, std::filesystem::path gameFolder, UserQuestions& questions)
    : AppDialog(parent),
      gameFolder_(std::move(gameFolder)),
      questions_(questions),
      tree_(new CoolTreeCtrl(this)),
      view_(new PictureView(this, QSize(400, 300))),
      failure_(NewLabel(Skin::Instance().textWarning)),
      text_(new CoolEdit(this)),
      reason_(NewLabel(Skin::Instance().textWarning)) {
    pictures_.SetWinePrefix(DefaultWinePrefix());
    pictures_.SetGround(GroundOf(Skin::Instance().images.background));
    tree_->setMinimumSize(220, 300);
    auto* row = new QHBoxLayout;
    row->addWidget(tree_, 1);
    auto* column = new QVBoxLayout;
    column->addWidget(view_);
    column->addWidget(failure_);
    column->addStretch();
    row->addLayout(column);
    content()->addLayout(row, 1);
    content()->addWidget(text_);
    content()->addWidget(reason_);
    ControlTable& table = ControlTable::Instance();
    table.Register(kPageText, text_);
    table.Register(kPageDialog, this);
    connect(tree_, &CoolTreeCtrl::SelectionChanged, this, [this](const TreePath& path) {
        if (PathDepth(path) == 2) Choose(path[0], path[1]);
        if (PathDepth(path) == 1) ShowUnusable(path[0]);
    });
    connect(tree_, &CoolTreeCtrl::ItemDoubleClicked, this, [this](const TreePath& path) {
        if (PathDepth(path) == 2) text_->setFocus();
    });
}

namespace {
// A picture file as the page tree names it: up to its first dot.
std::string BaseName(const std::string& file) { return file.substr(0, file.find('.')); }
}  // namespace

void PageDialog::Prepare() {
    pictures_.Scan(ResolveGamePath(gameFolder_, "Missions\\Pictures"));
    // Pictures are counted from 1 for the designer, as the picture command does.
    Tree tree;
    int firstUsable = -1;
    for (const GamePictures::File& file : pictures_.files()) {
        // A file the pages file cannot name offers no picture, and says why.
        if (!WhyPageCannotName(file.name).empty()) {
            tree.push_back({Say(text::kBlankName, {BaseName(file.name)}), {}});
            continue;
        }
        if (firstUsable < 0) firstUsable = static_cast<int>(tree.size());
        TreeNode node{BaseName(file.name), {}};
        for (int i = 0; i < file.count(); ++i) node.children.push_back({std::to_string(i + 1), {}});
        tree.push_back(std::move(node));
    }
    tree_->SetTree(std::move(tree));
    static const DialogExchange kNewPage;
    ControlEvents* events = ControlTable::Instance().events();
    const DialogExchange& exchange = events ? events->exchange() : kNewPage;
    int file = pictures_.Find(exchange.pageFile);
    bool known = file >= 0 && exchange.pageNumber >= 0 && exchange.pageNumber < pictures_.files()[static_cast<std::size_t>(file)].count();
    // A new page starts on the first picture without a word; a page whose
    // picture has gone says so.
    if (!known && !exchange.pageFile.empty())
        questions_.Warn(file < 0 ? Lookup("txtNoPicFile") + exchange.pageFile
                                 : Say(text::kNoPicture, {std::to_string(exchange.pageNumber + 1), exchange.pageFile}));
    if (known)
        Choose(file, exchange.pageNumber);
    else
        Choose(firstUsable, 0);
    tree_->collapseAll();
    tree_->SetTreePath(file_ >= 0 ? PathTo({file_, picture_}) : kNoTreePath);
    if (tree_->currentIndex().isValid()) tree_->scrollTo(tree_->currentIndex());
    reason_->hide();
    text_->setFocus();
}

void PageDialog::Choose(int file, int picture) {
    file_ = file;
    picture_ = picture;
    // A picture is decoded the first time it is shown, here on the window's
    // thread: its work is bounded by its file's size and its canvas, so even
    // a hostile file of a few MB takes well under a tenth of a second.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const GpImage* image = pictures_.Picture(file, picture);
    QGuiApplication::restoreOverrideCursor();
    view_->SetImage(image ? ImageOf(*image) : QImage());
    QString failure;
    if (file >= 0) {
        const GamePictures::File& shown = pictures_.files()[static_cast<std::size_t>(file)];
        if (!shown.why.empty()) failure = ToQt(shown.name + " cannot be read: " + shown.why);
    }
    if (failure.isEmpty() && image && image->failed())
        failure = ToQt("The picture is not whole: " + image->failure);
    failure_->setText(failure);
    failure_->setVisible(!failure.isEmpty());
}

void PageDialog::ShowUnusable(int file) {
    if (file < 0 || file >= static_cast<int>(pictures_.files().size())) return;
    std::string why = WhyPageCannotName(pictures_.files()[static_cast<std::size_t>(file)].name);
    if (why.empty()) return;
    failure_->setText(ToQt(why));
    failure_->show();
}

std::string PageDialog::Refusal() {
    ControlEvents* events = ControlTable::Instance().events();
    std::string why = events ? events->ValidatePageText(text_->GetText()) : std::string();
    reason_->setText(ToQt(why));
    reason_->setVisible(!why.empty());
    return why;
}

void PageDialog::accept() {
    if (!Refusal().empty()) return;
    if (ControlEvents* events = ControlTable::Instance().events(); events && file_ >= 0) {
        // The pages file names the picture by its base name and ".gp".
        const std::string& name = pictures_.files()[static_cast<std::size_t>(file_)].name;
        events->exchange().pageFile = name.substr(0, name.rfind('.')) + ".gp";
        events->exchange().pageNumber = picture_;
    }
    CoolDialog::accept();
}

}  // namespace sced
