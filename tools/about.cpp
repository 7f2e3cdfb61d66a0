#include "tools/about.h"

#include "app/version.h"
#include "settings/settings.h"
#include "ui_about.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QUrl>

about::about(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::about>())
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("Close"));
    ui->label_text->adjustSize();
    adjustSize();

    const QString language = Settings::instance()->language();
    const QString manual
        = QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + '/' + userManualPath(language)).toString();
    const std::pair<const char*, QString> replacements[] = {
        {"xxx_version_xxx", vantoVersion},
        {"xxx_home_url_xxx", manual},
        {"xxx_home_text_xxx", vantoHomeText(language)},
        // The toolkit this program was really compiled with, and the one it runs with.
        {"xxx_qt_compile_version_xxx", QT_VERSION_STR},
        {"xxx_qt_exec_version_xxx", qVersion()},
    };
    for (const auto& [placeholder, value] : replacements)
        ui->label_text->setText(ui->label_text->text().replace(placeholder, value.toHtmlEscaped()));
    // Lines of 30 % height are measured shorter than they are drawn, which cut the last line:
    // plain lines without paragraph spacing keep the text as compact and whole.
    ui->label_text->setText(ui->label_text->text().replace("line-height:30%", "margin-top:0; margin-bottom:0"));
}

about::~about() = default;
