// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/editor_window.h"

#include "editor/picture_words_dialog.h"
#include "editor/record_dialog.h"
#include "editor/theme_list.h"
#include "editor/editor_errors.h"
#include "editor/list_archive.h"
#include "editor/list_copy.h"
#include "editor/word_list_editor.h"
#include "editor/word_names.h"
#include "game/word_list.h"
#include "picture/picture_saver.h"
#include "editor/word_mark_delegate.h"
#include "game/word_rules.h"
#include "system/errors.h"
#include "widgets/event_boundary.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace brindolo {

namespace {

QString fromBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string toBytes(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

QString withoutMnemonic(QString text)
{
    return text.remove(QStringLiteral("...")).remove(u'&');
}

std::string asFolder(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

// Why the list cannot be changed here, in the interface's language: a pack
// shipped with the game, or a folder the user cannot write; empty when it
// can.
QString readOnlyBecause(const EditorWindowPlaces& places, const EditorTexts& texts)
{
    if (isShippedPack(places.folder, places.programFolder))
        return texts("ShippedPack");
    if (!whyReadOnly(places.folder, places.programFolder).empty())
        return texts("CannotWrite");
    return {};
}

// The picture files of a folder and its subfolders, in name order, that Qt
// can read here.
QStringList picturesUnder(const QString& folder)
{
    QStringList suffixes;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        suffixes << QStringLiteral("*.") + QString::fromLatin1(format);
    QStringList found;
    QDirIterator files(folder, suffixes, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        found << files.next();
    found.sort();
    return found;
}

}  // namespace

EditorWindow::EditorWindow(const EditorWindowPlaces& places, const EditorTexts& texts, QWidget* parent)
    : QMainWindow(parent), places_(places), texts_(texts)
{
    places_.folder = asFolder(places_.folder);
    places_.teacherFolder = asFolder(places_.teacherFolder);
    places_.programFolder = asFolder(places_.programFolder);
    loader_ = new ThumbnailLoader(kThumbnailSize, this);
    words_ = new WordGridModel(*loader_, this);
    // Three screens' worth at least, so that a very large screen shows every
    // thumbnail it draws without dropping another.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        words_->setThumbnailBudget(std::max(kDefaultThumbnailBudget, qsizetype{3} * 4 * screen->size().width() *
                                                                         screen->size().height()));
    words_->setTexts(texts_);
    build();
    refreshSoon_.setSingleShot(true);
    // A file manager copying fifty photos changes the folder fifty times.
    refreshSoon_.setInterval(300);
    connect(&refreshSoon_, &QTimer::timeout, this, [this] { EventBoundary::run([this] { refresh(); }); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &refreshSoon_, qOverload<>(&QTimer::start));
    showList(places_.folder);
}

EditorWindow::~EditorWindow() = default;

QPushButton* EditorWindow::addButton(QWidget* row, const char* key, const QKeySequence& shortcut,
                                     void (EditorWindow::*handler)())
{
    auto* button = new QPushButton(texts_(key), row);
    button->setObjectName(QString::fromLatin1(key));
    button->setAccessibleName(withoutMnemonic(texts_(key)));
    if (!shortcut.isEmpty()) {
        auto* action = new QAction(this);
        action->setShortcut(shortcut);
        addAction(action);
        connect(action, &QAction::triggered, button, &QPushButton::click);
        button->setToolTip(withoutMnemonic(texts_(key)) + QStringLiteral(" (") +
                           shortcut.toString(QKeySequence::NativeText) + u')');
    }
    connect(button, &QPushButton::clicked, this, [this, handler] { EventBoundary::run([this, handler] { (this->*handler)(); }); });
    row->layout()->addWidget(button);
    return button;
}

void EditorWindow::build()
{
    setWindowTitle(texts_("Title"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    readOnlyBar_ = new QWidget(central);
    auto* readOnlyRow = new QHBoxLayout(readOnlyBar_);
    readOnlyText_ = new QLabel(readOnlyBar_);
    readOnlyRow->addWidget(readOnlyText_, 1);
    addButton(readOnlyBar_, "CopyToMine", {}, &EditorWindow::copyIntoTeacherFolder);
    layout->addWidget(readOnlyBar_);
    notMadeYet_ = new QLabel(central);
    notMadeYet_->setObjectName(QStringLiteral("NotMadeYet"));
    notMadeYet_->setWordWrap(true);
    layout->addWidget(notMadeYet_);

    auto* splitter = new QSplitter(central);
    auto* themePane = new QWidget(splitter);
    auto* themeColumn = new QVBoxLayout(themePane);
    themeColumn->setContentsMargins(0, 0, 0, 0);
    auto* themesLabel = new QLabel(texts_("Themes"), themePane);
    themes_ = new ThemeList(themePane);
    themes_->setAccessibleName(texts_("Themes"));
    themesLabel->setBuddy(themes_);
    themeColumn->addWidget(themesLabel);
    themeColumn->addWidget(themes_, 1);
    auto* themeButtons = new QWidget(themePane);
    themeButtons->setLayout(new QVBoxLayout);
    themeButtons->layout()->setContentsMargins(0, 0, 0, 0);
    changers_.push_back(addButton(themeButtons, "NewTheme", QKeySequence(Qt::CTRL | Qt::Key_N), &EditorWindow::askAndMakeTheme));
    changers_.push_back(addButton(themeButtons, "RenameTheme", QKeySequence(Qt::SHIFT | Qt::Key_F2), &EditorWindow::askAndRenameTheme));
    changers_.push_back(addButton(themeButtons, "DeleteTheme", QKeySequence(Qt::SHIFT | Qt::Key_Delete), &EditorWindow::deleteTheme));
    themeColumn->addWidget(themeButtons);

    grid_ = new QListView(splitter);
    grid_->setAccessibleName(texts_("Words"));
    grid_->setViewMode(QListView::IconMode);
    grid_->setMovement(QListView::Static);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setUniformItemSizes(true);
    grid_->setIconSize(kThumbnailSize);
    grid_->setGridSize(kThumbnailSize + QSize(24, 48));
    grid_->setWordWrap(true);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setDragDropMode(QAbstractItemView::DragDrop);
    grid_->setDefaultDropAction(Qt::CopyAction);
    QFont wordFont = grid_->font();
    wordFont.setBold(true);
    grid_->setFont(wordFont);
    grid_->setModel(words_);
    grid_->setItemDelegate(new WordMarkDelegate(grid_));
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    splitter->addWidget(themePane);
    splitter->addWidget(grid_);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    auto* wordButtons = new QWidget(central);
    wordButtons->setLayout(new QHBoxLayout);
    wordButtons->layout()->setContentsMargins(0, 0, 0, 0);
    changers_.push_back(addButton(wordButtons, "Add", QKeySequence::Open, &EditorWindow::chooseAndAddPictures));
    changers_.push_back(addButton(wordButtons, "AddFolder", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &EditorWindow::chooseAndAddFolder));
    changers_.push_back(addButton(wordButtons, "Rename", QKeySequence(Qt::Key_F2), &EditorWindow::askAndRename));
    changers_.push_back(addButton(wordButtons, "Move", QKeySequence(Qt::CTRL | Qt::Key_M), &EditorWindow::askAndMove));
    changers_.push_back(addButton(wordButtons, "Delete", QKeySequence::Delete, &EditorWindow::deleteChosen));
    changers_.push_back(addButton(wordButtons, "Record", QKeySequence(Qt::CTRL | Qt::Key_R), &EditorWindow::recordChosen));
    static_cast<QHBoxLayout*>(wordButtons->layout())->addStretch(1);
    changers_.push_back(addButton(wordButtons, "Import", QKeySequence(Qt::CTRL | Qt::Key_I), &EditorWindow::chooseAndImport));
    addButton(wordButtons, "Export", QKeySequence(Qt::CTRL | Qt::Key_E), &EditorWindow::chooseAndExport);
    addButton(wordButtons, "Play", QKeySequence(Qt::Key_F5), &EditorWindow::playShown);
    layout->addWidget(wordButtons);
    setCentralWidget(central);
    resize(1000, 700);

    connect(themes_, &QListWidget::currentRowChanged, this, [this] {
        EventBoundary::run([this] { words_->show(places_.folder, themes_->currentTheme()); });
    });
    connect(themes_, &ThemeList::wordsDropped, this, [this](const std::vector<std::string>& gameWords, const std::string& theme) {
        EventBoundary::run([&] { moveWords(gameWords, theme); });
    });
    connect(words_, &WordGridModel::filesDropped, this,
            [this](const QStringList& paths) { EventBoundary::run([&] { addPictures(paths); }); });
    // Thumbnails asked for rows scrolled past are dropped; the rows drawn
    // next ask again.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, words_, &WordGridModel::forgetPendingThumbnails);
    connect(grid_, &QListView::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        for (QWidget* changer : changers_)
            if (auto* button = qobject_cast<QPushButton*>(changer); button && changer->isEnabled())
                menu.addAction(button->text(), button, &QPushButton::click);
        menu.exec(grid_->viewport()->mapToGlobal(at));
    });
}

void EditorWindow::showList(const std::string& folder)
{
    places_.folder = asFolder(folder);
    readOnlyReason_ = readOnlyBecause(places_, texts_);
    readOnlyBar_->setVisible(!readOnlyReason_.isEmpty());
    readOnlyText_->setText(texts_("ReadOnly").arg(readOnlyReason_));
    for (QWidget* changer : changers_)
        changer->setEnabled(readOnlyReason_.isEmpty());
    grid_->setAcceptDrops(readOnlyReason_.isEmpty());
    themes_->setAcceptDrops(readOnlyReason_.isEmpty());
    themes_->setThemes(texts_("AllWords"), themeFolders());
    themes_->setCurrentRow(0);
    refresh();
}

void EditorWindow::refresh()
{
    const std::string theme = themes_->currentTheme();
    {
        const QSignalBlocker quiet(themes_);
        themes_->setThemes(texts_("AllWords"), themeFolders());
        themes_->chooseTheme(theme);
    }
    words_->show(places_.folder, themes_->currentTheme());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    const QString folder = fromBytes(places_.folder);
    // A list named on the command line that is not there yet, rather than
    // an empty list with no word of why: it is made on the first save, as
    // the teacher's own is.
    const bool there = QFileInfo::exists(folder);
    notMadeYet_->setText(texts_("NotMadeYet").arg(QDir::toNativeSeparators(folder)));
    notMadeYet_->setVisible(!there && readOnlyReason_.isEmpty() && places_.folder != places_.teacherFolder);
    if (there) {
        QStringList watched{folder};
        for (const std::string& name : themeFolders())
            watched << fromBytes(places_.folder + name);
        watcher_.addPaths(watched);
    }
}

WordListEditor EditorWindow::list() const
{
    return WordListEditor(places_.folder, places_.programFolder);
}

std::vector<std::string> EditorWindow::themeFolders() const
{
    // A list that cannot be changed shows the themes the game plays.
    return readOnlyReason_.isEmpty() ? list().themeFolders() : themesIn(places_.folder);
}

std::vector<std::string> EditorWindow::chosenWords() const
{
    std::vector<std::string> chosen;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes())
        chosen.push_back(words_->gameWord(index.row()));
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

void EditorWindow::changed(const QString& what)
{
    refresh();
    statusBar()->showMessage(texts_("Done").arg(what), 5000);
}

bool EditorWindow::ask(const QString& question)
{
    return QMessageBox::question(this, texts_("Title"), question) == QMessageBox::Yes;
}

void EditorWindow::addPictures(const QStringList& paths)
{
    if (!readOnlyReason_.isEmpty() || paths.isEmpty())
        return;
    PictureWordsDialog dialog(paths, texts_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    WordListEditor editor = list();
    const std::string theme = themes_->currentTheme();
    const std::vector<std::string> words = dialog.words();
    QStringList added;
    QStringList refused;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        try {
            const PreparedPicture picture = preparePicture(toBytes(paths[i]));
            std::string gameWord;
            try {
                gameWord = editor.addPicture(picture, words[i], theme, false);
            } catch (const EWordExists&) {
                const QString word = QString::fromStdString(upperCase(mendedWord(words[i])));
                if (!ask(texts_("Replace").arg(word)))
                    continue;
                gameWord = editor.addPicture(picture, words[i], theme, true);
            }
            added << QString::fromStdString(upperCase(wordStem(gameWord)));
        } catch (const Exception& failure) {
            refused << QFileInfo(paths[i]).fileName() + QStringLiteral(": ") + QString::fromUtf8(failure.what());
        }
    }
    changed(added.join(QStringLiteral(", ")));
    if (!refused.isEmpty())
        throw Exception(texts_("NotAdded").arg(refused.join(u'\n')).toStdString());
}

void EditorWindow::renameWord(const std::string& gameWord, const std::string& newWord)
{
    const std::string renamed = list().renameWord(gameWord, newWord);
    changed(QString::fromStdString(upperCase(wordStem(renamed))));
}

void EditorWindow::moveWords(const std::vector<std::string>& gameWords, const std::string& theme)
{
    if (!readOnlyReason_.isEmpty() || gameWords.empty())
        return;
    list().moveWords(gameWords, theme);
    changed(theme.empty() ? texts_("AllWords") : fromBytes(theme));
}

void EditorWindow::deleteWords(const std::vector<std::string>& gameWords)
{
    if (gameWords.empty())
        return;
    QStringList shown;
    for (const std::string& gameWord : gameWords)
        shown << QString::fromStdString(upperCase(wordStem(gameWord)));
    WordListEditor editor = list();
    try {
        editor.deleteWords(gameWords, Removal::ToTrash);
    } catch (const ENoTrash&) {
        if (!ask(texts_("ConfirmDelete").arg(shown.join(QStringLiteral(", ")))))
            return;
        editor.deleteWords(gameWords, Removal::ForGood);
    }
    changed(shown.join(QStringLiteral(", ")));
}

void EditorWindow::importFile(const QString& archive)
{
    if (!readOnlyReason_.isEmpty())
        throw EReadOnlyList(texts_("ReadOnly").arg(readOnlyReason_).toStdString());
    std::vector<std::string> added;
    try {
        added = importArchive(toBytes(archive), list(), false);
    } catch (const EArchiveRefused& refusal) {
        // Words already in the list are among the reasons; the teacher may
        // choose to have them replaced, and anything else is refused again.
        if (!ask(QString::fromUtf8(refusal.what()) + QStringLiteral("\n\n") + texts_("ImportReplacing")))
            return;
        added = importArchive(toBytes(archive), list(), true);
    }
    changed(QString::number(added.size()));
}

void EditorWindow::exportTo(const QString& archive)
{
    const int entries = exportList(places_.folder, themes_->currentTheme(), toBytes(archive));
    statusBar()->showMessage(texts_("Done").arg(QFileInfo(archive).fileName() + QStringLiteral(" (") +
                                                QString::number(entries) + u')'), 5000);
}

void EditorWindow::chooseAndImport()
{
    const QString archive = QFileDialog::getOpenFileName(this, withoutMnemonic(texts_("Import")), QDir::homePath(),
                                                         texts_("Shared") + QStringLiteral(" (*.brindolo *.zip)"));
    if (!archive.isEmpty())
        importFile(archive);
}

void EditorWindow::chooseAndExport()
{
    const std::string theme = themes_->currentTheme();
    const QString name = theme.empty() ? QFileInfo(fromBytes(places_.folder).chopped(1)).fileName() : fromBytes(theme);
    QString archive = QFileDialog::getSaveFileName(this, withoutMnemonic(texts_("Export")),
                                                   QDir::home().filePath(name + QStringLiteral(".brindolo")),
                                                   texts_("Shared") + QStringLiteral(" (*.brindolo)"));
    if (archive.isEmpty())
        return;
    if (!archive.endsWith(QLatin1String(".brindolo")))
        archive += QStringLiteral(".brindolo");
    exportTo(archive);
}

void EditorWindow::copyIntoTeacherFolder()
{
    copyWordList(places_.folder, places_.teacherFolder);
    showList(places_.teacherFolder);
}

void EditorWindow::play()
{
    QStringList arguments{QStringLiteral("--pictures"), fromBytes(places_.folder)};
    if (const std::string theme = themes_->currentTheme(); !theme.empty())
        arguments << QStringLiteral("--theme") << fromBytes(theme);
    const QString program = fromBytes(places_.programFolder + "brindolo");
    if (!QProcess::startDetached(program, arguments))
        throw Exception("cannot start " + toBytes(program));
}

void EditorWindow::chooseAndAddPictures()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    addPictures(QFileDialog::getOpenFileNames(this, withoutMnemonic(texts_("Add")), QDir::homePath(),
                                              texts_("Pictures") + QStringLiteral(" (") + patterns.join(u' ') + u')'));
}

void EditorWindow::chooseAndAddFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, withoutMnemonic(texts_("AddFolder")), QDir::homePath());
    if (!folder.isEmpty())
        addPictures(picturesUnder(folder));
}

void EditorWindow::askAndRename()
{
    const std::vector<std::string> chosen = chosenWords();
    if (chosen.size() != 1)
        return;
    bool given = false;
    const QString word = QInputDialog::getText(this, withoutMnemonic(texts_("Rename")), texts_("Word"), QLineEdit::Normal,
                                               QString::fromStdString(wordStem(chosen.front())), &given);
    if (given)
        renameWord(chosen.front(), toBytes(word));
}

void EditorWindow::askAndMove()
{
    const std::vector<std::string> chosen = chosenWords();
    if (chosen.empty())
        return;
    QStringList names{texts_("AllWords")};
    const std::vector<std::string> folders = themeFolders();
    for (const std::string& theme : folders)
        names << fromBytes(theme);
    bool given = false;
    const QString name =
        QInputDialog::getItem(this, withoutMnemonic(texts_("Move")), texts_("ChooseTheme"), names, 0, true, &given);
    if (!given)
        return;
    const qsizetype at = names.indexOf(name);
    moveWords(chosen, at == 0 ? std::string() : at > 0 ? folders[at - 1] : toBytes(name));
}

void EditorWindow::deleteChosen()
{
    deleteWords(chosenWords());
}

void EditorWindow::recordChosen()
{
    const std::vector<std::string> chosen = chosenWords();
    if (chosen.size() != 1)
        return;
    RecordDialog dialog(fromBytes(picturePathFor(places_.folder, chosen.front())),
                        QString::fromStdString(upperCase(wordStem(chosen.front()))), texts_, this);
    dialog.exec();
    refresh();
}

void EditorWindow::askAndMakeTheme()
{
    bool given = false;
    const QString name =
        QInputDialog::getText(this, withoutMnemonic(texts_("NewTheme")), texts_("ThemeName"), QLineEdit::Normal, {}, &given);
    if (!given || name.trimmed().isEmpty())
        return;
    list().makeTheme(toBytes(name.trimmed()));
    changed(name.trimmed());
    themes_->chooseTheme(toBytes(name.trimmed()));
}

void EditorWindow::askAndRenameTheme()
{
    const std::string theme = themes_->currentTheme();
    if (theme.empty())
        return;
    bool given = false;
    const QString name = QInputDialog::getText(this, withoutMnemonic(texts_("RenameTheme")), texts_("ThemeName"),
                                               QLineEdit::Normal, fromBytes(theme), &given);
    if (!given || name.trimmed().isEmpty())
        return;
    list().renameTheme(theme, toBytes(name.trimmed()));
    changed(name.trimmed());
    themes_->chooseTheme(toBytes(name.trimmed()));
}

void EditorWindow::deleteTheme()
{
    const std::string theme = themes_->currentTheme();
    if (theme.empty() || !ask(texts_("ConfirmDeleteTheme").arg(fromBytes(theme))))
        return;
    WordListEditor editor = list();
    try {
        editor.deleteTheme(theme, Removal::ToTrash);
    } catch (const ENoTrash&) {
        if (!ask(texts_("ConfirmDelete").arg(fromBytes(theme))))
            return;
        editor.deleteTheme(theme, Removal::ForGood);
    }
    changed(fromBytes(theme));
}

void EditorWindow::playShown()
{
    play();
}

}  // namespace brindolo
