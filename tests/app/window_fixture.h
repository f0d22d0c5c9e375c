// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A main window on a picture folder of its own, driven with mouse events sent
// to its window handle, as the player would.

#include "app/principale.h"
#include "support/scripted_random.h"
#include "widgets/event_boundary.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

namespace brindolo::testing {

class WindowTest : public ::testing::Test {
protected:
    // Ten words whose keys all differ; "grande" is larger than the picture's
    // container, the others fit inside it.
    inline static const std::vector<std::string> kWords = {"gatto", "cane", "mela", "luna", "fiore",
                                                           "casa",  "nave", "sole", "topo", "grande"};

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkdir("immagini"));
        for (const std::string& word : kWords)
            savePicture(word, word == "grande" ? QSize(400, 300) : QSize(120, 90));
        EventBoundary::setTitle("Brindolo 1.0");
        EventBoundary::setReporter([this](const QString& caption, const QString& text) {
            reports.push_back((caption + " | " + text).toStdString());
        });
        // Each catalogue entry once, then arrangement 2.
        auto random = std::make_unique<ScriptedRandom>(std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 2});
        window = std::make_unique<TPrincipale>(nullptr, folder.path().toStdString() + "/", std::move(random));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        EventBoundary::setReporter(nullptr);
    }

    QString picturePath(const std::string& word) const
    {
        return folder.path() + "/immagini/" + QString::fromStdString(word) + ".jpg";
    }

    // Each word its own colour, so that no two pictures share their bytes.
    void savePicture(const std::string& word, QSize size)
    {
        const auto index = std::find(kWords.begin(), kWords.end(), word) - kWords.begin();
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(static_cast<int>(index) * 36, 200, 160));
        ASSERT_TRUE(picture.save(picturePath(word), "JPG"));
    }

    // The path the window loads word k's picture from.
    std::string loadedPath(int word) const
    {
        return window->programFolder() + "immagini/" + window->game().gameWord(word);
    }

    static std::string upperKey(const std::string& gameWord)
    {
        std::string key = gameWord.substr(0, gameWord.find(".jpg"));
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
        std::sort(key.begin(), key.end());
        return key;
    }

    QWindow* handle() const { return window->windowHandle(); }
    QPoint centreOf(const QWidget& widget) const { return widget.mapTo(window.get(), widget.rect().center()); }
    QPoint centreOf(int panel) const { return centreOf(*window->Panel(panel)); }
    std::string text(int panel) const { return window->Panel(panel)->caption().toStdString(); }

    void click(const QWidget& widget) { QTest::mouseClick(handle(), Qt::LeftButton, {}, centreOf(widget)); }
    void hover(int panel) { QTest::mouseMove(handle(), centreOf(panel)); }
    void dragTo(int fromPanel, QPoint to)
    {
        QTest::mousePress(handle(), Qt::LeftButton, {}, centreOf(fromPanel));
        QTest::mouseMove(handle(), to);
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, to);
    }
    void drag(int fromPanel, int toPanel) { dragTo(fromPanel, centreOf(toPanel)); }
    void key(Qt::Key key) { QTest::keyClick(handle(), key); }
    const QWidget* focused() const { return window->focusWidget(); }

    // The tile (1..10) whose text spells word k's key, 0 when none does.
    int tileFor(int word) const
    {
        const std::string key = upperKey(window->game().gameWord(word));
        for (int tile = 1; tile <= 10; ++tile)
            if (!text(tile).empty() && upperKey(text(tile)) == key)
                return tile;
        return 0;
    }

    QTemporaryDir folder;
    std::unique_ptr<TPrincipale> window;
    std::vector<std::string> reports;
};

}  // namespace brindolo::testing
