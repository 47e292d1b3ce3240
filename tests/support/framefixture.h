#pragma once
// A frame on scripted dialogs, shown for one test function: what the tests of
// the frame's commands start from. Files go to a temporary folder, which is
// also the folder Test writes to.
#include "logic/gridmodel.h"
#include "shell/mainframe.h"
#include "support/fakedialogs.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct FrameFixture {
    std::unique_ptr<QTemporaryDir> m_tmp;
    FakeDialogs m_dialogs;
    AppContext m_context{m_dialogs, QString()};
    std::unique_ptr<GridModel> m_challenge; // the run's challenge
    std::unique_ptr<MainFrame> m_frame;

    // From init(): a fresh folder, state and frame of `size`, shown.
    void startFrame(QSize size)
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        m_context.patternFolder = m_tmp->path();
        m_challenge = std::make_unique<GridModel>(GridModel::Kind::Challenge);
        m_dialogs.clear();
        m_frame = std::make_unique<MainFrame>(m_context, *m_challenge);
        m_frame->resize(size);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    // From cleanup(): every child window closed through its own handling, then the frame gone.
    void stopFrame()
    {
        m_frame->mdiArea()->closeAllSubWindows();
        QCoreApplication::processEvents();
        m_frame.reset();
    }
};
