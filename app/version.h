#pragma once

// The version the program shows in its title, status bar, about box and printed cards.
inline constexpr char vantoVersion[] = "2.1.1";

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QString>

// The user manual of a language beside the executable ("doc/vanto_UserManual_fr.pdf"), the
// English one when that language has none. An empty language is the operating system's, as
// for the translation.
inline QString userManualPath(QString language)
{
    if (language.isEmpty())
        language = QLocale::system().name().section('_', 0, 0);
    const QString path = "doc/vanto_UserManual_" + language + ".pdf";
    return QFileInfo::exists(QCoreApplication::applicationDirPath() + '/' + path) ? path
                                                                                  : "doc/vanto_UserManual_en.pdf";
}

// Where the program points its users for more: it has no web site yet, so the about box and the
// printed cards name the user manual shipped beside the executable, in the user's language.
inline QString vantoHomeText(const QString& language)
{
    return QCoreApplication::translate("Vanto", "Vanto user manual (%1)").arg(userManualPath(language));
}
