// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/ComponentLoader.h>

#include <corvanel/Component.h>

#include <QObject>
#include <QPointer>
#include <vector>

namespace corvanel {

namespace {

void collect(QObject *object, std::vector<QPointer<QObject>> &out)
{
    out.emplace_back(object);
    for (QObject *child : object->children())
        collect(child, out);
}

} // namespace

int loadComponents(QObject *form)
{
    if (!form)
        return 0;
    // Gather first: a Loaded() may create or destroy objects (menus, parts).
    std::vector<QPointer<QObject>> objects;
    collect(form, objects);
    int count = 0;
    for (const QPointer<QObject> &object : objects) {
        if (!object)
            continue;
        auto *component = dynamic_cast<Component *>(object.data());
        if (!component || component->isLoaded())
            continue;
        component->runLoaded();
        ++count;
    }
    return count;
}

} // namespace corvanel
