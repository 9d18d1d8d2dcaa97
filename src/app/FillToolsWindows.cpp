#include "app/FillToolsWindows.h"

#include "app/EditorCommands.h"
#include "app/FillingPropertiesViewWindows.h"
#include "app/GridViewWindows.h"
#include "app/KillListViewWindows.h"
#include "app/RunningPropertiesViewWindows.h"

namespace tessaran {

FillToolsWindows::FillToolsWindows(GridViewWindows& gridView, QWidget* frame,
                                   std::function<void(int)> help)
    : m_gridView(gridView),
      m_progress(std::make_unique<RunningPropertiesViewWindows>(gridView, frame)),
      m_filling(std::make_unique<FillingPropertiesViewWindows>(gridView)),
      m_killList(std::make_unique<KillListViewWindows>(gridView)) {
    gridView.setCommandHandler(command::FillingProperties, [this] { m_filling->showWindow(); });
    gridView.setCommandHandler(command::KillList, [this] { m_killList->showWindow(); });
    if (help) {
        QObject::connect(m_progress.get(), &RunningPropertiesViewWindows::helpRequested,
                         m_progress.get(), help);
        QObject::connect(m_filling.get(), &FillingPropertiesViewWindows::helpRequested,
                         m_filling.get(), help);
        QObject::connect(m_killList.get(), &KillListViewWindows::helpRequested, m_killList.get(),
                         help);
    }
}

FillToolsWindows::~FillToolsWindows() {
    m_gridView.setCommandHandler(command::FillingProperties, {});
    m_gridView.setCommandHandler(command::KillList, {});
}

}  // namespace tessaran
