#include "app/WordSearchToolsWindows.h"

#include "app/DictionaryLookupWindows.h"
#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"
#include "app/Settings.h"
#include "wordsearch/WyxViewWindows.h"

namespace tessaran {

WordSearchToolsWindows::WordSearchToolsWindows(GridViewWindows& gridView, QWidget* frame,
                                               const Settings& settings,
                                               std::function<void(int)> help)
    : m_gridView(gridView),
      m_frame(frame),
      m_wyxIniPath(wyxIniPath(settings.iniPath())),
      m_help(std::move(help)),
      m_lookup(std::make_unique<DictionaryLookupWindows>(gridView)) {
    m_lookup->setTable(settings.lookupTable);
    gridView.setCommandHandler(command::WordSearch, [this] { showWordSearch(); });

    // The window follows the selected light; a light about to go is already deselected,
    // but the window lets go of it in any case.
    QObject::connect(&gridView, &GridViewWindows::selectionChanged, m_lookup.get(), [this] {
        if (m_wordSearch && m_wordSearch->attachedLight() != m_gridView.selectedLight())
            m_wordSearch->attach(m_gridView.selectedLight());
    });
    QObject::connect(&gridView, &GridViewWindows::lightAboutToBeDeleted, m_lookup.get(),
                     [this](const Light* light) {
                         if (m_wordSearch && m_wordSearch->attachedLight() == light)
                             m_wordSearch->attach(nullptr);
                     });
    QObject::connect(&gridView, &GridViewWindows::gridModified, m_lookup.get(), [this] {
        if (m_wordSearch)
            m_wordSearch->dictionaryMayHaveChanged();
    });
}

WordSearchToolsWindows::~WordSearchToolsWindows() {
    m_gridView.setCommandHandler(command::WordSearch, {});
    delete m_wordSearch.data();
}

void WordSearchToolsWindows::showWordSearch() {
    if (!m_wordSearch) {
        m_wordSearch = new WyxViewWindows(m_gridView, m_wyxIniPath, m_frame);
        m_wordSearch->setLookup(
            [lookup = m_lookup.get()](const QString& word) { return lookup->lookUpText(word); });
        if (m_help)
            QObject::connect(m_wordSearch.data(), &WyxViewWindows::helpRequested,
                             m_wordSearch.data(), m_help);
        m_gridView.addToolWindow(m_wordSearch);
    }
    m_wordSearch->attach(m_gridView.selectedLight());
    m_wordSearch->show();
    m_wordSearch->raise();
    m_wordSearch->activateWindow();
}

}  // namespace tessaran
