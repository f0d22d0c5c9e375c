// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A small window built like the main one: the application object owns the
// form, the form owns every control, and the controls lie on a container
// panel, so that ownership and visual nesting differ as they do there.

#include "i18n/tlanguage.h"
#include "widgets/controls.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

namespace brindolo::testing {

struct SmallForm {
    TApplication application;
    TForm* form = new TForm(&application);
    TPanel* container;
    TPanel* exit;
    TPanel* found;
    TMemo* memo;
    TRzComboBox* languages;
    TLanguage* language;

    SmallForm()
    {
        application.setTitle(QStringLiteral("Brindolo 1.0"));
        form->setName(QStringLiteral("Principale"));
        form->setCaption(QStringLiteral("Brindolo 1.0"));
        container = make<TPanel>("PannelloPrincipale", form);
        exit = make<TPanel>("Esci", container);
        exit->setCaption(QStringLiteral("ESCI"));
        found = make<TPanel>("Panel32", container);
        found->setCaption(QStringLiteral("HAI TROVATO"));
        found->setBounds(6, 419, 171, 38);
        memo = make<TMemo>("Memo1", container);
        languages = make<TRzComboBox>("SceltaLingua", container);
        languages->setEditText(QStringLiteral("italiano"));
        languages->setVisible(false);
        language = new TLanguage(form);
        language->setName(QStringLiteral("Language1"));
    }
    ~SmallForm() { delete form; }

    template <class Control>
    Control* make(const char* name, TControl* parent)
    {
        auto* control = new Control(form, parent);
        control->setName(QString::fromLatin1(name));
        return control;
    }
};

// Writes bytes to name inside dir and gives the full path.
inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

inline std::string folderOf(const QTemporaryDir& dir)
{
    return QFile::encodeName(dir.path()).toStdString() + "/";
}

}  // namespace brindolo::testing
