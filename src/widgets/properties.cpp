// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/properties.h"

#include "system/errors.h"
#include "widgets/tcomponent.h"

namespace brindolo {

std::optional<QMetaProperty> findProperty(const QObject& object, QStringView name)
{
    for (const QMetaObject* meta = object.metaObject(); meta; meta = meta->superClass()) {
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (sameTextAscii(QString::fromLatin1(property.name()), name))
                return property;
        }
    }
    return std::nullopt;
}

QMetaProperty requireProperty(const QObject& object, QStringView name)
{
    if (auto property = findProperty(object, name))
        return *property;
    throw Exception("No " + name.toString().toStdString() + " property");
}

}  // namespace brindolo
