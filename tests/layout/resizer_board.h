// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout/nobderp.h"
#include "widgets/controls.h"

#include <QRect>
#include <memory>

namespace brindolo {

// A form with a resizer panel built while "loading", as a design is read,
// then shown so that size notifications flow.
template <typename Panel = TNoBDEResizerPanel>
struct Board {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    Panel* panel = nullptr;

    Board()
    {
        form->resize(738, 465);
        panel = new Panel(form.get(), form.get());
        panel->setLoading(true);
        panel->setBounds(0, 0, 738, 465);
    }
    template <typename T>
    T* add(QRect r)
    {
        auto* control = new T(form.get(), panel);
        control->setBounds(r.x(), r.y(), r.width(), r.height());
        return control;
    }
    void show()
    {
        panel->loaded();
        form->show();
    }
    void resize(int w, int h) { panel->setBounds(0, 0, w, h); }
};

}  // namespace brindolo
