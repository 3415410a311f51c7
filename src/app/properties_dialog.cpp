#include "app/properties_dialog.h"

#include <QBoxLayout>
#include <QPlainTextEdit>

#include "app/picture_view.h"
#include "app/user_questions.h"
#include "controls/control_table.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/string_table.h"
#include "files/mission_picture.h"
#include "model/scenario.h"
#include "skin/cool_button.h"
#include "skin/cool_edit.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {

constexpr const char* kDefaultPicture = "Data\\ScEd_default.bmp";

// The bitmap of the bytes; a null image when they are none or too large.
QImage BitmapOf(const std::string& bytes) {
    QImage image;
    if (!bytes.starts_with("BM")) return image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "BMP");
    if (image.width() > kMaxBitmapSide || image.height() > kMaxBitmapSide) return {};
    return image;
}

}  // namespace

PropertiesDialog::PropertiesDialog(QWidget* parent, const Scenario& scenario, UserQuestions& questions)
    : AppDialog(parent),
      scenario_(scenario),
      questions_(questions),
      title_(new CoolEdit(this)),
      description_(new QPlainTextEdit(this)),
      view_(new PictureView(this, QSize(404, 228))),
      reason_(NewLabel(Skin::Instance().textWarning)) {
    title_->setMaxLength(1024);
    description_->setMinimumSize(404, 120);
    const Skin& skin = Skin::Instance();
    description_->setFont(skin.dialogFont);
    // The description looks like the one-line fields.
    description_->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: %1; color: %2; border: 1px solid %3; border-radius: 3px;"
                       " selection-background-color: %4; selection-color: %5; }"
                       "QPlainTextEdit:focus { border-color: %6; }")
            .arg(skin.deep.name(), skin.editText.name(), skin.bronzeDark.name(), skin.bark.name(),
                 skin.textWhite.name(), skin.bronzeLight.name()));
    auto* load = new CoolButton(ToQt(Lookup("txtLoadPic")), this);
    auto* standard = new CoolButton(ToQt(Lookup("txtByDefault")), this);
    connect(load, &QPushButton::clicked, this, &PropertiesDialog::LoadPicture);
    connect(standard, &QPushButton::clicked, this, &PropertiesDialog::SetDefault);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(load);
    buttons->addWidget(standard);
    buttons->addStretch();
    content()->addWidget(NewLabel(skin.text, ToQt(Lookup("txtMissTitle"))));
    content()->addWidget(title_);
    content()->addWidget(NewLabel(skin.text, ToQt(Lookup("txtMissDescr"))));
    content()->addWidget(description_, 1);
    content()->addWidget(NewLabel(skin.text, ToQt(Lookup("txtMissPic"))));
    content()->addWidget(view_, 0, Qt::AlignHCenter);
    content()->addLayout(buttons);
    content()->addWidget(reason_);
    ControlTable::Instance().Register(kPropertiesDialog, this);
}

void PropertiesDialog::Prepare() {
    loaded_.reset();
    static const DialogExchange kNothing;
    ControlEvents* events = ControlTable::Instance().events();
    const DialogExchange& exchange = events ? events->exchange() : kNothing;
    title_->SetText(exchange.title);
    description_->setPlainText(ToQt(exchange.description));
    // The picture held since the last save, else the mission's own file,
    // else the one a save would write.
    std::optional<std::string> bytes = scenario_.heldPicture;
    if (!bytes && !scenario_.picturePath.empty()) bytes = ReadWholeFile(scenario_.picturePath);
    if (!bytes) bytes = ReadWholeFile(ResolveGamePath(scenario_.gameFolder, kDefaultPicture));
    view_->SetImage(bytes ? BitmapOf(*bytes) : QImage());
    reason_->hide();
    title_->selectAll();
    title_->setFocus();
}

void PropertiesDialog::LoadPicture() {
    auto file = questions_.FileToOpen("Bitmap Files (*.bmp)", scenario_.gameFolder);
    if (file) TakePicture(ReadWholeFile(*file), TextOfPath(*file));
}

void PropertiesDialog::SetDefault() {
    std::filesystem::path file = ResolveGamePath(scenario_.gameFolder, kDefaultPicture);
    TakePicture(ReadWholeFile(file), TextOfPath(file));
}

bool PropertiesDialog::TakePicture(std::optional<std::string> bytes, const std::string& file) {
    std::string why = "it cannot be read";
    // The preview shows the very bytes a save writes.
    std::optional<std::string> picture = bytes ? MissionPictureOf(*bytes, why) : std::nullopt;
    QImage image = picture ? BitmapOf(*picture) : QImage();
    if (image.isNull()) {
        questions_.Warn("The picture " + file + " cannot be loaded: " + why + ". The mission keeps its picture.");
        return false;
    }
    view_->SetImage(std::move(image));
    loaded_ = std::move(picture);
    return true;
}

std::string PropertiesDialog::Refusal() {
    std::string why;
    if (title_->GetText().find_first_of("\r\n") != std::string::npos)
        why = "The title is one line: it cannot hold a line break.";
    else if (!FromQt(description_->toPlainText()))
        why = "The description has a character that the mission's files cannot carry.";
    reason_->setText(ToQt(why));
    reason_->setVisible(!why.empty());
    return why;
}

void PropertiesDialog::accept() {
    if (!Refusal().empty()) return;
    if (ControlEvents* events = ControlTable::Instance().events()) {
        DialogExchange& exchange = events->exchange();
        exchange.title = title_->GetText();
        exchange.description = FromQt(description_->toPlainText()).value_or(std::string());
        exchange.picture = loaded_;
    }
    CoolDialog::accept();
}

}  // namespace sced
