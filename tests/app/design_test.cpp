#include "app/design.h"
#include "window_fixture.h"

#include <QFontInfo>

namespace brindolo::testing {
namespace {

using ShownWindowTest = WindowTest;

// The window as its design builds it, before it is shown: showing it is the
// first size change, after which the resizer has the last word.
class DesignTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::unique_ptr<TPrincipale> window =
        std::make_unique<TPrincipale>(nullptr, folder.path().toStdString() + "/");
};

QColor colourOf(const TControl& control)
{
    if (auto* panel = dynamic_cast<const TPanel*>(&control))
        return panel->color();
    if (auto* shape = dynamic_cast<const TShape*>(&control))
        return shape->brushColor();
    return control.widget().palette().color(QPalette::Base);
}

QString captionOf(const TControl& control)
{
    if (auto* panel = dynamic_cast<const TPanel*>(&control))
        return panel->caption();
    if (auto* box = dynamic_cast<const TCheckBox*>(&control))
        return box->text();
    if (auto* combo = dynamic_cast<const TCustomComboBox*>(&control))
        return combo->currentText();
    return {};
}

// Every control as the table designs it, in creation order.
TEST_F(DesignTest, EveryControlMatchesItsDesignRow)
{
    const auto rows = principaleControls();
    // Every designed control, then the translator, the one non-visual component.
    ASSERT_EQ(window->componentCount(), static_cast<int>(rows.size()) + 1);
    EXPECT_EQ(window->component(static_cast<int>(rows.size())), window->Language1);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const ControlDesign& row = rows[i];
        SCOPED_TRACE(row.name);
        auto* control = dynamic_cast<TControl*>(window->component(i));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->name(), row.name);
        ASSERT_NE(control->parentControl(), nullptr);
        EXPECT_EQ(control->parentControl()->name(), row.parent);
        EXPECT_EQ(control->boundsRect(), QRect(row.left, row.top, row.width, row.height));
        if (row.hasColour)
            EXPECT_EQ(colourOf(*control).rgb(), row.colour);
        const QFont font = control->widget().font();
        EXPECT_EQ(font.family(), "Courier New");
        EXPECT_EQ(font.pixelSize(), row.font.pixels ? row.font.pixels : 13);
        EXPECT_EQ(font.bold(), row.font.bold);
        EXPECT_EQ(captionOf(*control), QString::fromUtf8(row.caption));
        EXPECT_EQ(control->enabled(), !(row.state & Disabled));
        EXPECT_EQ(control->visible(), !(row.state & Hidden));
        EXPECT_FALSE(control->isLoading());
    }
}

// Values read straight from the window's design, so a slip in the table
// itself shows here.
TEST_F(DesignTest, SpotChecksOfTheDesign)
{
    EXPECT_EQ(window->name(), "Principale");
    EXPECT_TRUE(window->caption().startsWith("Brindolo 1.0  http"));
    EXPECT_EQ(window->font().pixelSize(), 13);
    EXPECT_EQ(window->PannelloPrincipale->boundsRect(), QRect(0, 0, 738, 465));
    EXPECT_EQ(window->PannelloPrincipale->color(), QColor(192, 220, 192));
    EXPECT_EQ(window->Panel(10)->boundsRect(), QRect(6, 371, 171, 38));
    EXPECT_EQ(window->Panel(20)->boundsRect(), QRect(232, 371, 169, 38));
    EXPECT_EQ(window->Panel(30)->boundsRect(), QRect(200, 371, 33, 38));
    EXPECT_EQ(window->Panel(30)->captionAlignment(), TCaptionAlignment::LeftJustify);
    EXPECT_EQ(window->Panel(11)->captionAlignment(), TCaptionAlignment::Center);
    EXPECT_EQ(window->Panel(1)->dragMode(), TDragMode::Automatic);
    EXPECT_EQ(window->Panel(11)->dragMode(), TDragMode::Manual);
    EXPECT_EQ(window->Panel(31)->font().pixelSize(), 21);
    EXPECT_EQ(window->Panel(33)->color(), QColor(240, 251, 255));
    EXPECT_EQ(window->Panel(35)->boundsRect(), QRect(408, 418, 233, 39));
    EXPECT_EQ(window->Esci->font().pixelSize(), 27);
    EXPECT_EQ(window->RichiamaLingua2->boundsRect(), QRect(370, 424, 12, 28));
    EXPECT_EQ(window->Immagine->boundsRect(), QRect(1, 1, 319, 316));
    EXPECT_EQ(window->Immagine->align(), TAlign::Client);
    EXPECT_TRUE(window->Immagine->stretch() && window->Immagine->center());
    EXPECT_EQ(window->Immagine->decodeSettings(), DecodeSettings{});
    EXPECT_EQ(window->Immagine->quality(), 75);
    EXPECT_EQ(window->ImmagineContenitore->boundsRect(), QRect(408, 11, 321, 318));
    EXPECT_EQ(window->SceltaLingua->itemHeight(), 31);
    EXPECT_EQ(window->SceltaLingua->font().pixelSize(), 27);
    EXPECT_EQ(window->SceltaLingua->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(window->SceltaLingua->currentText(), "italiano");
    EXPECT_EQ(dynamic_cast<TComboBox*>(window->SceltaLingua), nullptr);
    EXPECT_EQ(window->ComboBox1->itemHeight(), 16);
    EXPECT_TRUE(window->ComboBox1->sorted());
    EXPECT_TRUE(window->MaiuscoloMinuscolo->isChecked());
    EXPECT_EQ(window->Memo1->boundsRect(), QRect(208, 264, 505, 41));
    // Courier New is resolved to an installed monospace font.
    EXPECT_TRUE(QFontInfo(window->Panel(1)->font()).fixedPitch());
}

TEST(DesignEmptyFolder, AFolderWithoutPicturesGivesAnEmptyCatalogueAndAReportedStart)
{
    std::vector<std::string> reports;
    EventBoundary::setReporter([&](const QString&, const QString& text) { reports.push_back(text.toStdString()); });
    QTemporaryDir empty;
    const std::string folder = empty.path().toStdString() + "/";
    TPrincipale window(nullptr, folder);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.catalogue().count(), 0);
    EXPECT_EQ(window.Memo1->lines(), QStringList{""});
    EXPECT_TRUE(reports.empty());

    const QWidget& gioca = *window.Panel(35);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, gioca.mapTo(&window, gioca.rect().center()));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("Cannot open file " + folder + "immagini", 0), 0u) << reports[0];
    EXPECT_EQ(window.Panel(31)->caption(), "_____");
    EXPECT_TRUE(window.Panel(35)->isHidden());
    EventBoundary::setReporter(nullptr);
}

TEST_F(ShownWindowTest, MemoMirrorsTheCatalogueAndResizingRefitsThePanel)
{
    QStringList expected;
    for (int i = 0; i < window->catalogue().count(); ++i)
        expected << QString::fromStdString(window->catalogue().entry(i));
    EXPECT_EQ(window->Memo1->lines(), expected);

    window->resize(900, 600);
    EXPECT_EQ(window->PannelloPrincipale->boundsRect(), QRect(0, 0, 900, 600));
    window->resize(700, 400);
    EXPECT_EQ(window->PannelloPrincipale->boundsRect(), QRect(0, 0, 700, 400));
}

}  // namespace
}  // namespace brindolo::testing
