// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's one window: every control built from the design table, owned
// by the window whatever container it lies on, and the event table that
// binds the controls' events to the game's operations.

#include "app/board_marks.h"
#include "app/board_speech.h"
#include "app/start_settings.h"
#include "app/switch_scanner.h"
#include "app/theme_chooser.h"
#include "app/window_board.h"
#include "app/word_voice.h"
#include "game/game.h"
#include "game/word_list.h"
#include "i18n/tlanguage.h"
#include "picture/jpgimg.h"
#include "results/game_tally.h"
#include "results/results_writer.h"
#include "worksheet/worksheet.h"
#include "widgets/controls.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QShortcut;

namespace brindolo {

class TPrincipale : public TForm {
    Q_OBJECT
public:
    // programFolder: where the pictures and languages are looked for,
    // ending with "/"; empty means the folder of the running program.
    // random: the game's generator; none means the clock-seeded one.
    // teacherFolder: the teacher's own word list, which comes before the
    // packs of the program folder. The window starts as designed, with the
    // design's word list read, until apply.
    explicit TPrincipale(TComponent* owner, std::string programFolder = {},
                         std::unique_ptr<RandomSource> random = {}, std::string teacherFolder = {});
    ~TPrincipale() override;

    TPanel* PannelloPrincipale = nullptr;
    TShape* RichiamaLingua1 = nullptr;
    TShape* RichiamaLingua2 = nullptr;
    TShape* RichiamaLingua3 = nullptr;
    TPanel* ImmagineContenitore = nullptr;
    TJPEGImage* Immagine = nullptr;
    TMemo* Memo1 = nullptr;
    TPanel* Esci = nullptr;
    TRzComboBox* SceltaLingua = nullptr;
    TCheckBox* MaiuscoloMinuscolo = nullptr;
    TCheckBox* Voce = nullptr;
    TComboBox* ComboBox1 = nullptr;
    // The themes of the word list; hidden when it has none.
    TComboBox* SceltaTema = nullptr;
    // The translator of the window's captions.
    TLanguage* Language1 = nullptr;

    // Panel1 .. Panel35.
    TPanel* Panel(int number) const { return panels_.at(static_cast<size_t>(number - 1)); }

    Game& game() { return *game_; }
    const Game& game() const { return *game_; }
    const Catalogue& catalogue() const { return *catalogue_; }
    const std::string& programFolder() const { return programFolder_; }

    // The event table's operations.
    void FormCreate();
    void FormResize();
    // Reads a word list chosen since the last game, then starts a game.
    void Panel35Click();
    void Panel36Click();
    // Slot 1..10 (Panel11..Panel20).
    bool PanelDragOver(int slot, TControl& source);
    void PanelDragDrop(int slot, TControl& source);
    // Word 1..10, from its slot or its key cell.
    void PanelMouseMove(int word);
    void MaiuscoloMinuscoloClick();
    void RichiamaLingua1MouseUp(QMouseEvent& event);
    // Translates the captions; the chosen language's word list serves from
    // the next game on.
    void SceltaLinguaChange();
    // Play without a drag: tile 1..10 or slot 1..10 clicked, or Space or
    // Enter pressed on it.
    void TileClick(int tile);
    void SlotClick(int slot);
    // A key pressed on panel 1..20, a tile or a slot: the arrows move the
    // focus over the two columns.
    void PanelKeyDown(int panel, QKeyEvent& event);
    // A key no control took: Escape puts a picked tile back.
    void FormKeyDown(QKeyEvent& event);

    const BoardMarks& marks() const { return *marks_; }

    // The sheet of the deal on the board, in the window's letter case and
    // interface language: the deal's words each once, topped up with others
    // to ten different ones when the list has them; no rows before the first
    // deal. Ctrl+P prints it.
    Worksheet boardWorksheet();

    // Says the found words, and the shown one on request, through speaker
    // from now on; muted starts with the voice box unticked. Until then the
    // window is silent. A word the teacher recorded beside its picture is
    // played through recordings instead, when given.
    void speakWith(Speaker& speaker, bool muted, RecordingPlayer* recordings = nullptr);
    // Takes what the settings files and the command line chose for this
    // start, the one place they reach the window: the language (as if
    // picked under the flag before the first game) and the word list's
    // folder, the font, the case box, the voice (through speaker), the theme
    // and the deal's rules, the classroom lock, the results folder, the
    // switch scan, and the window shown full screen or maximized. A font
    // family that is not installed, a theme the word list lacks, or too few
    // words of the longest length is one warning line on standard error.
    void apply(const StartSettings& start, Speaker& speaker, RecordingPlayer* recordings = nullptr);
    // Every text of the window in the installed family of that name (case
    // ignored), at the sizes the layout gives; false, leaving the design's
    // font, when no such family is installed.
    bool useFontFamily(const QString& family);
    // The speaker has learnt which voices it has.
    void voicesChanged();
    // A classroom machine: ESCI and the flag hidden (so neither the Tab
    // order nor a screen reader meets them), no dialog that leaves the board
    // (printing's file chooser reaches the whole disk), and every close
    // refused, until the teacher's chord, kUnlockChord, ends the game.
    void lock();
    static constexpr QKeyCombination kUnlockChord{Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, Qt::Key_Q};
    // Closes the window as ESCI does, recording the game under way, locked
    // or not: the teacher's chord, and a signal that ends the program.
    void endGame();
    // The session is ending: the game under way is recorded now, and the
    // close that the session manager asks for next is not refused.
    void releaseForSessionEnd();
    // The switch scan that the settings asked for (scan=, --scan); none
    // without one.
    SwitchScanner* scanner() const { return scanner_.get(); }
    // The hint bar clicked, or Space or Enter pressed on it.
    void Panel31Click();
    void VoceClick();

    void setVisible(bool visible) override;

protected:
    // A left click anywhere but on a tile or a slot puts a picked tile back.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void bindControls();
    void wireEvents();
    void setUpKeyboard();
    void openLanguageList();
    // The theme drop-down follows the word list the next game reads.
    void listThemes();
    // After the tiles' letters may have changed: only a tile that can be
    // picked takes the focus, and the picked tile's mark follows the game.
    void tilesChanged();
    void afterDrop(const std::optional<Find>& found, int tile, int slot);
    // The game under way, if any, written where the school wants results.
    void recordGame();
    // The focus steps by itself every beat milliseconds, with a bold frame.
    void startScanning(int beat);
    // What a switch can choose now: GIOCA between games; the tiles that can
    // be picked; once one is, the slots still to find, then the picked tile,
    // which chosen again is put back.
    std::vector<QWidget*> scanChoices() const;
    // The words' language follows the word list, and for a list of one's
    // own the interface language.
    void updateVoiceLanguage();
    // The spoken words of a language's file, kept from the last call: the
    // start asks for the same file three times.
    const SpokenWords& spokenWords(const QString& language);
    // Fits the resizer panel to the client area: alignment none, then fill.
    void refitPanel();
    void skipSupersededFirstLayout();

    std::array<TPanel*, board_map::kPanelCount> panels_{};
    std::string programFolder_;
    QString spokenFile_;
    SpokenWords spoken_;
    WordListPlaces places_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<WindowBoard> board_;
    std::unique_ptr<MemoCatalogue> catalogue_;
    std::unique_ptr<Game> game_;
    BoardMarks* marks_ = nullptr;
    // While the game changes the board, Qt moves the focus off controls it
    // hides or disables; such moves preview nothing.
    bool changingBoard_ = false;
    std::unique_ptr<BoardSpeech> speech_;
    std::unique_ptr<ThemeChooser> themes_;
    std::unique_ptr<WordVoice> voice_;
    bool locked_ = false;
    QShortcut* printing_ = nullptr;
    GameTally tally_;
    // None unless a results folder was set.
    std::unique_ptr<ResultsWriter> results_;
    // The results folder the deals' words to practise come from; empty for
    // none.
    std::string practiceFolder_;
    // None unless scanning was asked for.
    std::unique_ptr<SwitchScanner> scanner_;
};

}  // namespace brindolo
