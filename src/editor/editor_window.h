// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The word-list editor's window: the themes on the left (the whole list
// first), the chosen theme's words as a grid of thumbnails, and the buttons
// that add, organise, share and play them. A list the teacher cannot change
// (a pack shipped with the game, or a folder they cannot write) is shown
// read-only, with an offer to copy it into their own list. What changes in
// the folder from outside shows up by itself.

#include "editor/editor_texts.h"
#include "editor/thumbnail_loader.h"
#include "editor/word_grid_model.h"
#include "editor/word_list_editor.h"

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QTimer>
#include <string>
#include <vector>

class QLabel;
class QListView;
class QPushButton;
class QWidget;

namespace brindolo {

class ThemeList;

struct EditorWindowPlaces {
    std::string folder;         // the list shown, ending with "/"
    std::string teacherFolder;  // the teacher's own list, ending with "/"; a read-only list is copied there
    std::string programFolder;  // the program's, ending with "/": its packs are never written
};

// The size a thumbnail is drawn at in the grid.
inline constexpr QSize kThumbnailSize(160, 120);

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    EditorWindow(const EditorWindowPlaces& places, const EditorTexts& texts, QWidget* parent = nullptr);
    ~EditorWindow() override;

    const std::string& folder() const { return places_.folder; }
    // Empty when the list can be changed; otherwise why not.
    const QString& readOnlyReason() const { return readOnlyReason_; }
    ThemeList& themes() { return *themes_; }
    QListView& grid() { return *grid_; }
    WordGridModel& words() { return *words_; }
    ThumbnailLoader& thumbnails() { return *loader_; }

    // Adds picture files (local paths) to the theme shown, as a drop from
    // the file manager does: each word proposed from its file name and
    // editable before anything is saved.
    void addPictures(const QStringList& paths);
    void renameWord(const std::string& gameWord, const std::string& newWord);
    void moveWords(const std::vector<std::string>& gameWords, const std::string& theme);
    // To the trash, or, where there is none, for good once the user agrees.
    void deleteWords(const std::vector<std::string>& gameWords);
    // Adds the words of a shared list (NAME.brindolo, or a .zip of
    // pictures) to the list shown, asking before any word is replaced.
    void importFile(const QString& archive);
    // Writes the theme shown (or the whole list) as a shared list.
    void exportTo(const QString& archive);
    // Copies a read-only list into the teacher's own and shows that.
    void copyIntoTeacherFolder();
    // Starts the game, detached, on the list and theme shown.
    void play();
    // Reads the folder again: themes, words and what is watched.
    void refresh();

private:
    void build();
    QPushButton* addButton(QWidget* row, const char* key, const QKeySequence& shortcut, void (EditorWindow::*handler)());
    void showList(const std::string& folder);
    std::vector<std::string> chosenWords() const;
    // The list's operations; raises EReadOnlyList for a list that cannot
    // be changed.
    WordListEditor list() const;
    std::vector<std::string> themeFolders() const;
    void changed(const QString& what);
    bool ask(const QString& question);

    void chooseAndAddPictures();
    void chooseAndAddFolder();
    void askAndRename();
    void askAndMove();
    void deleteChosen();
    void recordChosen();
    void chooseAndImport();
    void chooseAndExport();
    void askAndMakeTheme();
    void askAndRenameTheme();
    void deleteTheme();
    void playShown();

    EditorWindowPlaces places_;
    EditorTexts texts_;
    QString readOnlyReason_;
    ThumbnailLoader* loader_ = nullptr;
    WordGridModel* words_ = nullptr;
    ThemeList* themes_ = nullptr;
    QListView* grid_ = nullptr;
    QWidget* readOnlyBar_ = nullptr;
    QLabel* readOnlyText_ = nullptr;
    QLabel* notMadeYet_ = nullptr;  // the list's folder is not there yet
    std::vector<QWidget*> changers_;  // the controls that change the list
    QFileSystemWatcher watcher_;
    QTimer refreshSoon_;
};

}  // namespace brindolo
