// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Published properties found by name through Qt's meta-object system.
// Look-ups are ASCII-case-insensitive and walk the class before its ancestors,
// so a class's own "Width" wins over QWidget's read-only "width". Always look
// a property up before writing it: QObject::setProperty on an unknown name
// silently creates a dynamic property instead of failing.

#include <QMetaProperty>
#include <QObject>
#include <QStringView>
#include <optional>

namespace brindolo {

std::optional<QMetaProperty> findProperty(const QObject& object, QStringView name);

// The same, raising brindolo::Exception "No <name> property" when missing.
QMetaProperty requireProperty(const QObject& object, QStringView name);

}  // namespace brindolo
