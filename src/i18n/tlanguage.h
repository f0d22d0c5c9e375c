// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The translator: a non-visual component that assigns the properties named
// by a list of dotted paths (Form.Component.Property) from the section
// "Translations" of a language file, converting each text to the property's
// kind. Paths resolve through component ownership from the application
// object, the root owner of every form: the window owns every control
// designed on it, whatever panel the control lies on.

#include "widgets/tcomponent.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace brindolo {

class TLanguage;

using TNotifyEvent = std::function<void(QObject& Sender)>;
// The handler may replace NewValue; whatever it leaves there is assigned.
using TLanguageNotifyEvent = std::function<void(QObject& Sender, TComponent& AComponent, const QString& PropertyName,
                                                const QString& OldValue, QString& NewValue)>;

class TLanguage : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString LanguageFile READ languageFile WRITE setLanguageFile)
    Q_PROPERTY(QStringList Properties READ propertyList WRITE setProperties)
    Q_PROPERTY(QString Separator READ separator WRITE setSeparator)
public:
    // The application object is found by walking owners up from owner.
    explicit TLanguage(TComponent* owner);

    QString languageFile() const { return languageFile_; }
    // Assigning starts nothing.
    void setLanguageFile(const QString& path) { languageFile_ = path; }

    // The owned list itself; callers may edit it in place.
    QStringList& properties() { return properties_; }
    QStringList propertyList() const { return properties_; }
    // Copies the lines.
    void setProperties(const QStringList& lines) { properties_ = lines; }

    QString separator() const { return separator_; }
    // A value that is blank after trimming stores ","; any other is stored
    // unchanged, blanks around it included.
    void setSeparator(const QString& separator);

    TNotifyEvent OnBeforeTranslation;
    TNotifyEvent OnAfterTranslation;
    TLanguageNotifyEvent OnTranslate;

    // One run over every entry of Properties. A value that does not convert
    // to an integer property raises EConvertError and ends the run there: the
    // entries before it stay translated and OnAfterTranslation is not called.
    void Translate();
    // Resolves path and assigns value; an empty value or a path naming no
    // component changes nothing.
    void TranslateProperty(const QString& path, const QString& value);

private:
    TComponent& root();
    void assign(TComponent& component, const QString& propertyName, const QString& value);

    QString languageFile_;
    QStringList properties_;
    QString separator_;
};

}  // namespace brindolo
