// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One rescale of a board laid out like the main window (45 controls with
// their fonts) against a bare loop that puts the same controls at the same
// bounds and fonts, computed beforehand.

#include "layout/nobderp.h"
#include "support/ratio.h"
#include "widgets/timage.h"

#include <QFont>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace brindolo {
namespace {

constexpr QSize kSizes[2] = {{1024, 705}, {1366, 740}};

QFont courier(int pixels)
{
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

// The main window's controls, in its creation order, on the given panel.
struct Board {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPanel* panel;
    std::vector<TControl*> controls;

    explicit Board(bool resizer)
    {
        form->resize(738, 465);
        panel = resizer ? new TNoBDEResizerPanel(form.get(), form.get()) : new TPanel(form.get(), form.get());
        panel->setLoading(true);
        panel->setBounds(0, 0, 738, 465);
        auto add = [&](TControl* c, QRect r, int fontPixels = 0) {
            c->setBounds(r.x(), r.y(), r.width(), r.height());
            if (fontPixels)
                c->widget().setFont(courier(fontPixels));
            controls.push_back(c);
        };
        TComponent* o = form.get();
        for (int x : {359, 370, 382})
            add(new TShape(o, panel), {x, 424, 12, 28});
        for (int n = 1; n <= 10; ++n)
            add(new TPanel(o, panel), {6, 11 + 40 * (n - 1), 171, 38}, 16);
        auto* box = new TPanel(o, panel);
        add(box, {408, 11, 321, 318});
        auto* picture = new TImage(o, box);
        picture->setAlign(TAlign::Client);
        controls.push_back(picture);
        for (int n = 1; n <= 10; ++n)
            add(new TPanel(o, panel), {232, 11 + 40 * (n - 1), 169, 38}, 16);
        for (int n = 1; n <= 10; ++n) {
            auto* key = new TPanel(o, panel);
            key->setVisible(false);
            add(key, {200, 11 + 40 * (n - 1), 33, 38}, 16);
        }
        add(new TPanel(o, panel), {408, 331, 321, 38}, 21);
        add(new TPanel(o, panel), {6, 419, 171, 38}, 19);
        add(new TPanel(o, panel), {176, 419, 33, 38}, 19);
        add(new TPanel(o, panel), {208, 419, 137, 38}, 19);
        add(new TPanel(o, panel), {408, 418, 233, 39}, 27);
        auto* memo = new TMemo(o, panel);
        memo->setVisible(false);
        add(memo, {208, 264, 505, 41}, 13);
        add(new TPanel(o, panel), {648, 418, 81, 39}, 27);
        auto* choice = new TRzComboBox(o, panel);
        choice->setVisible(false);
        choice->setItemHeight(31);
        add(choice, {416, 256, 275, 39}, 27);
        add(new TCheckBox(o, panel), {632, 384, 97, 17}, 13);
        auto* combo = new TComboBox(o, panel);
        combo->setVisible(false);
        add(combo, {400, 8, 297, 24}, 13);
        panel->loaded();
        form->show();
    }

    void resize(QSize size) { panel->setBounds(0, 0, size.width(), size.height()); }
};

void BM_Rescale(benchmark::State& state)
{
    Board board(true);
    int next = 0;
    for (auto _ : state) {
        board.resize(kSizes[next]);
        next ^= 1;
    }
}
BENCHMARK(BM_Rescale);

// The same end state, reached by writing precomputed values.
void BM_PrecomputedLayout(benchmark::State& state)
{
    struct Target {
        QRect bounds;
        QFont font;
    };
    std::vector<Target> targets[2];
    {
        Board model(true);
        for (int i = 0; i < 2; ++i) {
            model.resize(kSizes[i]);
            for (TControl* c : model.controls)
                targets[i].push_back({c->boundsRect(), c->widget().font()});
        }
    }
    Board board(false);
    int next = 0;
    for (auto _ : state) {
        board.resize(kSizes[next]);
        const auto& target = targets[next];
        for (size_t i = 0; i < board.controls.size(); ++i) {
            TControl& c = *board.controls[i];
            const QRect& r = target[i].bounds;
            c.setBounds(r.x(), r.y(), r.width(), r.height());
            c.widget().setFont(target[i].font);
        }
        next ^= 1;
    }
}
BENCHMARK(BM_PrecomputedLayout);

}  // namespace
}  // namespace brindolo

BRINDOLO_GOAL(Rescale, "BM_Rescale", "BM_PrecomputedLayout", 1.5);
