// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/editor_window_entry.h"


#include "editor/editor_texts.h"
#include "editor/editor_window.h"
#include "i18n/language_chooser.h"
#include "widgets/event_boundary.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

int brindolo_editor_window(const brindolo::EditorWindowRequest* request)
{
    using namespace brindolo;
    int argc = request->argc;
    QApplication application(argc, request->argv);
    const QString language = QString::fromStdString(request->language);
    const EditorTexts texts =
        EditorTexts::read(language.isEmpty() ? QString() : LanguageFilePath(request->programFolder, language));
    EventBoundary::setTitle(texts("Title"));
    QApplication::setApplicationDisplayName(texts("Title"));
    QApplication::setDesktopFileName(QStringLiteral("org.brindolo.Brindolo.Words"));
    EditorWindow window(EditorWindowPlaces{request->chosenFolder.empty() ? request->teacherFolder : request->chosenFolder,
                         request->teacherFolder, request->programFolder},
                        texts);
    window.show();
    // A shared list opened from the file manager is offered once the window
    // is up.
    if (!request->importFile.empty()) {
        const QString file = QFile::decodeName(QByteArray::fromStdString(request->importFile));
        QTimer::singleShot(0, &window, [&window, file] { EventBoundary::run([&] { window.importFile(file); }); });
    }
    return application.exec();
}
