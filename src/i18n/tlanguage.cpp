// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/tlanguage.h"

#include "i18n/ini_reader.h"
#include "i18n/value_parsing.h"
#include "system/errors.h"
#include "widgets/properties.h"

#include <QFile>
#include <QMetaProperty>
#include <optional>

namespace brindolo {

namespace {

const QString kSection = QStringLiteral("Translations");

enum class PropertyKind { Text, Integer, Lines, Other };

PropertyKind kindOf(const QMetaProperty& property)
{
    switch (property.metaType().id()) {
    case QMetaType::QString:
        return PropertyKind::Text;
    case QMetaType::Int:
        return PropertyKind::Integer;
    case QMetaType::QStringList:
        return PropertyKind::Lines;
    default:
        return PropertyKind::Other;
    }
}

// The design's published properties are the capitalised ones (Caption,
// Left, Lines, Title). Qt's own properties (objectName, styleSheet,
// windowTitle, ...) are the toolkit's plumbing: a language file must not
// rename a control or restyle the window through them.
std::optional<QMetaProperty> findPublished(const QObject& object, const QString& name)
{
    auto property = findProperty(object, name);
    if (!property)
        return std::nullopt;
    const char first = property->name()[0];
    if (first < 'A' || first > 'Z')
        return std::nullopt;
    return property;
}

}  // namespace

TLanguage::TLanguage(TComponent* owner) : QObject(owner ? &owner->object() : nullptr), TComponent(*this, owner) {}

void TLanguage::setSeparator(const QString& separator)
{
    separator_ = trimControls(separator).isEmpty() ? QStringLiteral(",") : separator;
}

TComponent& TLanguage::root()
{
    TComponent* component = this;
    while (component->owner())
        component = component->owner();
    return *component;
}

void TLanguage::Translate()
{
    if (OnBeforeTranslation)
        OnBeforeTranslation(*this);
    {
        const IniReader file(QFile::encodeName(languageFile_).toStdString());
        const qsizetype count = properties_.size();
        for (qsizetype i = 0; i < count; ++i) {
            // A handler may have shortened the list during the run.
            if (i >= properties_.size())
                throw Exception("List index out of bounds (" + std::to_string(i) + ")");
            const QString entry = properties_.at(i);
            if (trimControls(entry).isEmpty())
                continue;
            TranslateProperty(entry, file.readString(kSection, entry));
        }
    }
    if (OnAfterTranslation)
        OnAfterTranslation(*this);
}

void TLanguage::TranslateProperty(const QString& path, const QString& value)
{
    QString rest = trimControls(path);
    if (rest.isEmpty())
        return;
    // A segment that names nothing leaves no component, but the rest of the
    // path is still split, so that what remains is the property name.
    TComponent* component = &root();
    for (qsizetype point = rest.indexOf(u'.'); point >= 0; point = rest.indexOf(u'.')) {
        const QString segment = trimControls(rest.left(point));
        rest = trimControls(rest.mid(point + 1));
        component = component ? component->findComponent(segment) : nullptr;
    }
    if (!component || value.isEmpty())
        return;

    QString newValue = value;
    if (OnTranslate) {
        QString oldValue;
        const auto property = findPublished(component->object(), rest);
        if (property && kindOf(*property) == PropertyKind::Text)
            oldValue = property->read(&component->object()).toString();
        OnTranslate(*this, *component, rest, oldValue, newValue);
    }
    assign(*component, rest, newValue);
}

void TLanguage::assign(TComponent& component, const QString& propertyName, const QString& value)
{
    const auto property = findPublished(component.object(), propertyName);
    if (!property)
        return;
    QObject& object = component.object();
    switch (kindOf(*property)) {
    case PropertyKind::Text:
        property->write(&object, value);
        break;
    case PropertyKind::Integer:
        property->write(&object, strToInt(value));
        break;
    case PropertyKind::Lines:
        property->write(&object, splitList(value, separator_));
        break;
    case PropertyKind::Other:
        // Colours, fonts, flags: no text form the language files could use.
        break;
    }
}

}  // namespace brindolo
