// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A language file on arbitrary bytes, run through the translator: the INI
// reader, path resolution through component ownership, and the conversions
// to text, integer and list properties.
//
// Input: one flags byte, then the separator on the first line and the
// property paths on the following ones up to the first NUL byte; the rest is
// the language file.

#include "i18n/tlanguage.h"
#include "i18n/value_parsing.h"
#include "system/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

using namespace brindolo;

namespace {

// A component with one published property of every kind the translator
// treats differently, and one unpublished (lower-case) property it must
// leave alone.
class FuzzComponent : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(int Left MEMBER left)
    Q_PROPERTY(QStringList Lines MEMBER lines)
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(QString hint MEMBER hint)
public:
    FuzzComponent(const char* name, TComponent* owner)
        : QObject(owner ? &owner->object() : nullptr), TComponent(*this, owner)
    {
        setName(QString::fromLatin1(name));
    }

    QString caption;
    int left = 0;
    QStringList lines;
    double ratio = 0;
    QString hint;
};

// The conversions keep their promises on whatever value a file holds.
void checkConversions(const QString& value, const QString& separator)
{
    try {
        const int number = strToInt(value);
        if (strToInt(QString::number(number)) != number)
            std::abort();
    } catch (const EConvertError&) {
    }
    const QStringList items = splitList(value, separator);
    for (const QString& item : items)
        if (item != trimControls(item))
            std::abort();
}

// The language file each input is written to, removed when the run ends.
struct LanguageFile {
    QString path = QDir::temp().filePath(
        QStringLiteral("brindolo-fuzz-%1.lng").arg(QCoreApplication::applicationPid()));
    ~LanguageFile() { QFile::remove(path); }
};

const QString& languageFilePath()
{
    static const LanguageFile file;
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t nul = rest.find('\0');
    const std::string_view head = rest.substr(0, nul);
    const std::string_view file = nul == std::string_view::npos ? std::string_view{} : rest.substr(nul + 1);

    QStringList lines = QString::fromUtf8(head.data(), static_cast<qsizetype>(head.size())).split(u'\n');
    const QString separator = lines.takeFirst();
    {
        QFile out(languageFilePath());
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        out.write(file.data(), static_cast<qint64>(file.size()));
    }

    FuzzComponent application("Application", nullptr);
    auto* form = new FuzzComponent("Principale", &application);
    new FuzzComponent("PannelloPrincipale", form);
    new FuzzComponent("Esci", form);
    new FuzzComponent("Memo1", form);
    auto* language = new TLanguage(form);
    language->setName(QStringLiteral("Language1"));
    language->setSeparator(separator);
    language->setProperties(lines);
    language->setLanguageFile(languageFilePath());

    // The handler may rewrite the value or shorten the list mid-run; both
    // must end in a value assigned or an error raised, never a crash.
    if (flags & 1) {
        language->OnTranslate = [flags, language](QObject&, TComponent&, const QString&, const QString&,
                                                  QString& newValue) {
            checkConversions(newValue, language->separator());
            if (flags & 2)
                newValue.clear();
            if (flags & 4)
                language->properties().clear();
            if (flags & 8)
                language->properties().append(QStringLiteral("Principale.Esci.Caption"));
        };
    }
    try {
        language->Translate();
    } catch (const Exception&) {
    }
    return 0;
}

#include "translator.moc"
