#pragma once
// Helpers for window tests: find controls by object name, answer dialogs.
#include "app/dialoger.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

template <typename T = QWidget> T* hitta(const char* namn, QWidget* i = nullptr) {
    if (i) return i->findChild<T*>(QString::fromLatin1(namn));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(namn)) {
            if (auto* t = qobject_cast<T*>(w)) return t;
        }
        if (T* t = w->findChild<T*>(QString::fromLatin1(namn))) return t;
    }
    return nullptr;
}

// Dialogs are answered from queues while a test runs.
struct Dialogsvar {
    Dialogsvar() {
        Dialoger::test() = {};
        Dialoger::test().aktiv = true;
    }
    ~Dialogsvar() { Dialoger::test() = {}; }
    QStringList& visade() { return Dialoger::test().visade; }
};
