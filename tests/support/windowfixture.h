#pragma once
// What every window test starts from: the program as at start-up with a fresh study
// database, message boxes answered from a script, no window left from the test before
// and no link between windows set. A test calls init() and cleanup() from its own.

#include "scriptedmessages.h"
#include "testdb.h"
#include "windows.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

class WindowFixture {
public:
    void init();
    void cleanup();

    TestDatabase& db() { return *database; }
    // Answers every box of the test that brings no script of its own.
    ScriptedMessages messages;

    int openStudy(int groupSize, int choices, int criterionType = 1, bool stored = true)
    {
        return ::openStudy(*database, groupSize, choices, criterionType, stored);
    }

    // Shows a window through its command and waits until it has the focus.
    template <class Form, class Show> static Form* openWindow(Show show)
    {
        show();
        Form* form = SingleInstance<Form>::ifLoaded();
        if (form)
            (void)QTest::qWaitForWindowActive(form);
        return form;
    }

private:
    std::unique_ptr<TestDatabase> database;
};

// Answers the modal window of type Form that is about to open, from the event loop it runs.
template <class Form> void whenModalOpens(const std::function<void(Form&)>& answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* form = qobject_cast<Form*>(QApplication::activeModalWidget());
        if (!form || !form->isVisible())
            return;
        poll->deleteLater();
        answer(*form);
    });
    poll->start(10);
}
