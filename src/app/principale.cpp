// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/principale.h"

#include "app/design.h"
#include "app/warning.h"
#include "app/worksheet_print.h"
#include "game/clock_random.h"
#include "game/word_rules.h"
#include "i18n/language_chooser.h"
#include "layout/nobderp.h"
#include "results/practice.h"
#include "system/program_folder.h"
#include "widgets/drag_controller.h"
#include "widgets/event_boundary.h"

#include <QApplication>
#include <QFont>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPalette>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>
#include <QWindow>
#include <exception>
#include <algorithm>
#include <optional>
#include <stdexcept>

namespace brindolo {

namespace {

// How long the praise stays over the picture at the end of a game.
constexpr int kPraiseMilliseconds = 2500;

}  // namespace

TPrincipale::TPrincipale(TComponent* owner, std::string programFolder, std::unique_ptr<RandomSource> random,
                         std::string teacherFolder)
    : TForm(owner),
      programFolder_(std::move(programFolder)),
      places_{{}, std::move(teacherFolder)},
      random_(std::move(random))
{
    if (programFolder_.empty())
        programFolder_ = brindolo::programFolder();
    if (!random_)
        random_ = std::make_unique<ClockRandom>();
    buildFromDesign(*this);
    bindControls();
    board_ = std::make_unique<WindowBoard>(panels_, *MaiuscoloMinuscolo, *Immagine, *ImmagineContenitore);
    catalogue_ = std::make_unique<MemoCatalogue>(*Memo1);
    game_ = std::make_unique<Game>(*board_, *catalogue_, *random_);
    marks_ = new BoardMarks(*PannelloPrincipale, principaleDesign().clientHeight);
    marks_->frameTogether({RichiamaLingua1, RichiamaLingua2, RichiamaLingua3});
    speech_ = std::make_unique<BoardSpeech>(SpokenControls{*this, panels_, *Esci, *RichiamaLingua1, *MaiuscoloMinuscolo,
                                                           *Voce, *SceltaLingua, *Language1, *game_, programFolder_});
    themes_ = std::make_unique<ThemeChooser>(*SceltaTema, *game_);
    wireEvents();
    setUpKeyboard();
    printing_ = addWorksheetPrinting(*this, [this] { return boardWorksheet(); });
    EventBoundary::run([this] { FormCreate(); });
}

TPrincipale::~TPrincipale()
{
    // A drag under way holds one of our tiles.
    DragController::instance().cancel();
}

void TPrincipale::bindControls()
{
    PannelloPrincipale = require<TPanel>(*this, "PannelloPrincipale");
    RichiamaLingua1 = require<TShape>(*this, "RichiamaLingua1");
    RichiamaLingua2 = require<TShape>(*this, "RichiamaLingua2");
    RichiamaLingua3 = require<TShape>(*this, "RichiamaLingua3");
    ImmagineContenitore = require<TPanel>(*this, "ImmagineContenitore");
    Immagine = require<TJPEGImage>(*this, "Immagine");
    Memo1 = require<TMemo>(*this, "Memo1");
    Language1 = require<TLanguage>(*this, "Language1");
    Esci = require<TPanel>(*this, "Esci");
    SceltaLingua = require<TRzComboBox>(*this, "SceltaLingua");
    MaiuscoloMinuscolo = require<TCheckBox>(*this, "MaiuscoloMinuscolo");
    Voce = require<TCheckBox>(*this, "Voce");
    ComboBox1 = require<TComboBox>(*this, "ComboBox1");
    SceltaTema = require<TComboBox>(*this, "SceltaTema");
    for (int n = 1; n <= board_map::kPanelCount; ++n)
        panels_[n - 1] = require<TPanel>(*this, board_map::panelName(n).c_str());
}

void TPrincipale::wireEvents()
{
    OnResize = [this] { FormResize(); };
    for (int k = 1; k <= board_map::kWordsPerGame; ++k) {
        TPanel& slot = *Panel(board_map::slot(k));
        slot.OnDragOver = [this, k](TControl& source) { return PanelDragOver(k, source); };
        slot.OnDragDrop = [this, k](TControl& source) { PanelDragDrop(k, source); };
        slot.OnMouseMove = [this, k](QMouseEvent&) { PanelMouseMove(k); };
        Panel(board_map::keyCell(k))->OnMouseMove = [this, k](QMouseEvent&) { PanelMouseMove(k); };
    }
    Panel(board_map::kPlayButton)->OnClick = [this] { Panel35Click(); };
    Esci->OnClick = [this] { Panel36Click(); };
    MaiuscoloMinuscolo->OnClick = [this] { MaiuscoloMinuscoloClick(); };
    Voce->OnClick = [this] { VoceClick(); };
    Panel(board_map::kHintBar)->OnClick = [this] { Panel31Click(); };
    for (TShape* strip : {RichiamaLingua1, RichiamaLingua2, RichiamaLingua3})
        strip->OnMouseUp = [this](QMouseEvent& event) { RichiamaLingua1MouseUp(event); };
    SceltaLingua->OnChange = [this] { SceltaLinguaChange(); };
    SceltaTema->OnChange = [this] { themes_->textChanged(); };

    for (int n = 1; n <= board_map::kWordsPerGame; ++n) {
        TPanel& tile = *Panel(board_map::tile(n));
        TPanel& slot = *Panel(board_map::slot(n));
        tile.OnClick = [this, n] { TileClick(n); };
        slot.OnClick = [this, n] { SlotClick(n); };
        slot.OnEnter = [this, n] {
            if (!changingBoard_)
                PanelMouseMove(n);
        };
        tile.OnKeyDown = [this, n](QKeyEvent& event) { PanelKeyDown(n, event); };
        slot.OnKeyDown = [this, n](QKeyEvent& event) { PanelKeyDown(board_map::slot(n), event); };
    }
    RichiamaLingua1->OnClick = [this] { openLanguageList(); };
    OnKeyDown = [this](QKeyEvent& event) { FormKeyDown(event); };
    qApp->installEventFilter(this);
}

void TPrincipale::refitPanel()
{
    PannelloPrincipale->setAlign(TAlign::None);
    PannelloPrincipale->setAlign(TAlign::Client);
}

void TPrincipale::FormCreate()
{
    refitPanel();
    game_->buildCatalogue(wordListFolder(places_, programFolder_, {}));
    listThemes();
}

void TPrincipale::listThemes()
{
    const SpokenWords& words = spokenWords(SceltaLingua->currentText());
    themes_->listThemes(game_->chosenWordList(), words);
    // The level is heard with the controls that start a game and choose its words.
    const int longest = game_->dealRules().longest;
    const QString level = longest > 0 ? words.longest.arg(longest) : QString();
    Panel(board_map::kPlayButton)->setAccessibleDescription(level);
    SceltaTema->setAccessibleDescription(level);
}

void TPrincipale::FormResize()
{
    refitPanel();
}

void TPrincipale::setVisible(bool visible)
{
    if (visible && !isVisible())
        skipSupersededFirstLayout();
    QWidget::setVisible(visible);
}

// Shown maximized (or full screen), the window is first given its design
// size and, a moment later, the size the window system chose. Where the
// window system has placed it already, a layout at the design size would
// only be undone at once; the first size change of the window and its panel
// is then the maximized one, and the board is scaled from its design
// straight to it.
void TPrincipale::skipSupersededFirstLayout()
{
    const QWindow* handle = windowHandle();
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) || !handle
        || handle->geometry().size() == size())
        return;
    setAttribute(Qt::WA_PendingResizeEvent, false);
    PannelloPrincipale->setAttribute(Qt::WA_PendingResizeEvent, false);
}

void TPrincipale::Panel35Click()
{
    const auto refresh = qScopeGuard([this] { tilesChanged(); });
    const QScopedValueRollback changing(changingBoard_, true);
    const auto speakTheList = qScopeGuard([this] { updateVoiceLanguage(); });
    // A picture that fails is told once the deal is over, and the rest of
    // the deal's work goes on without it.
    std::exception_ptr failure;
    if (!practiceFolder_.empty())
        game_->dealFirst({practiceWords(practiceFolder_, loginName()), kPracticeWords});
    try {
        game_->Panel35Click();
    } catch (...) {
        failure = std::current_exception();
    }
    if (Panel(board_map::kPlayButton)->isHidden()) {
        std::array<std::string, board_map::kWordsPerGame> words;
        std::transform(game_->gameWords().begin(), game_->gameWords().end(), words.begin(), wordStem);
        // The theme dealt from, or the word list's folder name for the whole list.
        const std::string& folder = game_->pictureFolder();
        const size_t end = folder.find_last_not_of('/');
        const std::string trimmed = end == std::string::npos ? folder : folder.substr(0, end + 1);
        const std::string& theme = game_->chosenTheme();
        tally_.dealt(theme.empty() ? trimmed.substr(trimmed.rfind('/') + 1) : theme, words);
    }
    if (const int first = game_->nextTileToPick(board_map::kTiles.last); first != 0 && Panel(board_map::kPlayButton)->isHidden())
        Panel(first)->setFocus();
    if (scanner_)
        scanner_->restart();
    if (failure)
        std::rethrow_exception(failure);
}

// The one moment the window waits for the prefetch: nothing is decoded for a
// window that has gone.
void TPrincipale::closeEvent(QCloseEvent* event)
{
    if (locked_) {
        event->ignore();
        return;
    }
    Immagine->stopPrefetch();
    recordGame();
    TForm::closeEvent(event);
}

void TPrincipale::Panel36Click()
{
    close();
}

bool TPrincipale::PanelDragOver(int, TControl& source)
{
    return Game::SlotDragOver(dynamic_cast<TPanel*>(&source) != nullptr);
}

void TPrincipale::PanelDragDrop(int slot, TControl& source)
{
    // Only tiles are carried.
    const auto tiles = panels_.begin() + board_map::kWordsPerGame;
    const int tile = static_cast<int>(std::find(panels_.begin(), tiles, &source) - panels_.begin()) + 1;
    if (tile > board_map::kWordsPerGame)
        return;
    std::optional<Find> found;
    {
        const QScopedValueRollback changing(changingBoard_, true);
        found = game_->SlotDragDrop(slot, tile);
    }
    afterDrop(found, tile, slot);
}

void TPrincipale::TileClick(int tile)
{
    if (game_->pickedTile() == tile)
        game_->putBack();
    else
        game_->pickTile(tile);
    tilesChanged();
}

// The very check a drag meets: the slot takes the tile, then judges it.
void TPrincipale::SlotClick(int slot)
{
    const int tile = game_->pickedTile();
    if (tile == 0 || !PanelDragOver(slot, *Panel(tile)))
        return;
    std::optional<Find> found;
    {
        const QScopedValueRollback changing(changingBoard_, true);
        found = game_->dropPicked(slot);
    }
    afterDrop(found, tile, slot);
}

void TPrincipale::afterDrop(const std::optional<Find>& found, int tile, int slot)
{
    tally_.dropped(slot, found.has_value(), Panel(tile)->caption().toStdString());
    if (found && found->gameOver)
        recordGame();
    tilesChanged();
    speech_->dropped(found);
    if (!found)
        return;
    if (voice_)
        voice_->sayFound(QString::fromStdString(found->word), found->gameOver,
                         QFile::decodeName(QByteArray::fromStdString(found->picture)));
    if (found->gameOver)
        marks_->showMessage(speech_->praise(), *ImmagineContenitore, kPraiseMilliseconds);
    if (scanner_)
        scanner_->restart();
    else if (!Panel(board_map::kPlayButton)->isHidden())
        Panel(board_map::kPlayButton)->setFocus();
    else if (const int next = game_->nextTileToPick(tile); next != 0)
        Panel(next)->setFocus();
}

void TPrincipale::PanelMouseMove(int word)
{
    game_->SlotMouseMove(word);
}

void TPrincipale::MaiuscoloMinuscoloClick()
{
    game_->MaiuscoloMinuscoloClick();
}

void TPrincipale::RichiamaLingua1MouseUp(QMouseEvent&)
{
    openLanguageList();
}

void TPrincipale::openLanguageList()
{
    openLanguageChooser(*SceltaLingua, programFolder());
}

void TPrincipale::SceltaLinguaChange()
{
    game_->chooseWordList(wordListFolder(places_, programFolder_, SceltaLingua->currentText().toStdString()));
    const auto tell = qScopeGuard([this] {
        speech_->languageChanged();
        updateVoiceLanguage();
    });
    // The list is a window of its own: its parents lead to the drop-down.
    bool fromList = false;
    for (const QWidget* w = QApplication::focusWidget(); w && !fromList; w = w->parentWidget())
        fromList = w == SceltaLingua;
    chooseLanguage(*SceltaLingua, *Language1, programFolder());
    listThemes();
    if (fromList)
        RichiamaLingua1->setFocus();
}

void TPrincipale::speakWith(Speaker& speaker, bool muted, RecordingPlayer* recordings)
{
    voice_ = std::make_unique<WordVoice>(speaker, *Voce, muted, recordings);
    updateVoiceLanguage();
}

void TPrincipale::apply(const StartSettings& start, Speaker& speaker, RecordingPlayer* recordings)
{
    // The drop-down's change handler would switch the language a first
    // time: the start does it once, here, before the word list is read.
    if (!start.language.isEmpty()) {
        {
            const QSignalBlocker quiet(SceltaLingua);
            SceltaLingua->setEditText(start.language);
        }
        chooseLanguage(*SceltaLingua, *Language1, programFolder());
        speech_->languageChanged();
    }
    places_.chosenFolder = start.picturesFolder;
    game_->chooseWordList(wordListFolder(places_, programFolder_, start.language.toStdString()));
    std::vector<Warning> warnings;
    if (!start.font.isEmpty() && !useFontFamily(start.font))
        warnings.push_back({.why = "font '" + start.font.toStdString() + "' is not installed; the board keeps "
                                + principaleDesign().fontFamily});
    MaiuscoloMinuscolo->setChecked(start.capitals);
    std::string missingTheme;
    game_->chooseTheme(themeToPlay(game_->chosenWordList(), start.theme, missingTheme));
    if (!missingTheme.empty())
        warnings.push_back({.why = missingTheme});
    if (game_->catalogueOutdated())
        game_->buildCatalogue(game_->chosenWordList());
    speakWith(speaker, !start.voice, recordings);
    game_->setDealRules({start.longest, start.repeats});
    listThemes();
    if (start.longest > 0) {
        const int dealable = dealableCount(*catalogue_, game_->dealRules());
        const std::string letters = "at most " + std::to_string(start.longest) + " letters in " + game_->pictureFolder();
        if (dealable == 0)
            warnings.push_back({.why = "no word of " + letters});
        else if (dealable < board_map::kWordsPerGame)
            warnings.push_back({.why = "only " + std::to_string(dealable) + " words of " + letters + ": words will repeat"});
    }
    printWarnings(warnings);
    if (start.locked)
        lock();
    if (!start.resultsFolder.empty())
        results_ = std::make_unique<ResultsWriter>(start.resultsFolder, loginName());
    if (start.practice)
        practiceFolder_ = start.resultsFolder;
    if (start.scanBeat > 0)
        startScanning(start.scanBeat);
    if (start.fullscreen)
        showFullScreen();
    else
        showMaximized();
}

// A control given a font of its own holds the window's family as its own
// too, so each one changes family; its size and weight stay, and the
// layout goes on scaling them.
bool TPrincipale::useFontFamily(const QString& family)
{
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(installed.begin(), installed.end(), [&](const QString& name) {
        return name.compare(family.trimmed(), Qt::CaseInsensitive) == 0;
    });
    if (found == installed.end())
        return false;
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.prepend(this);
    for (QWidget* widget : widgets) {
        QFont changed = widget->font();
        changed.setFamily(*found);
        widget->setFont(changed);
    }
    return true;
}

void TPrincipale::lock()
{
    for (QWidget* way : std::initializer_list<QWidget*>{Esci, RichiamaLingua1, RichiamaLingua2, RichiamaLingua3})
        way->hide();
    printing_->setEnabled(false);
    locked_ = true;
    auto* unlock = new QShortcut(QKeySequence(kUnlockChord), this);
    connect(unlock, &QShortcut::activated, this, &TPrincipale::endGame);
}

void TPrincipale::endGame()
{
    locked_ = false;
    close();
}

void TPrincipale::releaseForSessionEnd()
{
    locked_ = false;
    recordGame();
}

void TPrincipale::recordGame()
{
    const std::optional<GameResult> result = tally_.take();
    if (result && results_)
        results_->write(*result);
}

Worksheet TPrincipale::boardWorksheet()
{
    return makeWorksheet(game_->worksheetWords(), game_->pictureFolder(), MaiuscoloMinuscolo->isChecked(),
                         WorksheetTexts::read(Language1->languageFile()));
}

void TPrincipale::voicesChanged()
{
    if (voice_)
        voice_->voicesKnown();
}

void TPrincipale::updateVoiceLanguage()
{
    if (!voice_)
        return;
    const QString language = QString::fromStdString(
        wordListLanguage(game_->pictureFolder(), programFolder_, SceltaLingua->currentText().toStdString()));
    voice_->setLanguage(language, spokenWords(language).bravo);
}

const SpokenWords& TPrincipale::spokenWords(const QString& language)
{
    const QString file = LanguageFilePath(programFolder_, language);
    if (file != spokenFile_) {
        spoken_ = SpokenWords::read(file);
        spokenFile_ = file;
    }
    return spoken_;
}

void TPrincipale::Panel31Click()
{
    if (voice_)
        voice_->say(QString::fromStdString(game_->previewedWord()),
                    QFile::decodeName(QByteArray::fromStdString(game_->previewedPicture())));
}

void TPrincipale::VoceClick()
{
    if (voice_)
        voice_->boxClicked();
}

}  // namespace brindolo
