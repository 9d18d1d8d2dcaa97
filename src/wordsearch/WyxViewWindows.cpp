#include "wordsearch/WyxViewWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "app/GridViewWindows.h"
#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "grid/Grid.h"
#include "grid/Light.h"
#include "grid/LightDescription.h"
#include "output/PainterSurfaceWindows.h"
#include "wordsearch/LetterMap.h"
#include "wordsearch/MatchList.h"
#include "wordsearch/PatternExpansion.h"
#include "wordsearch/SearchRun.h"
#include "wordsearch/WyxProgressBarWindows.h"
#include "wordsearch/WyxPropertiesViewWindows.h"

namespace tessaran {
namespace {

// New matches reach the list at most this often, so that a search with thousands of
// matches spends its time searching rather than redrawing.
constexpr qint64 kListUpdateMilliseconds = 50;

QString fromModel(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void applyFont(QWidget* widget, const FontSpec& spec) {
    widget->setFont(qtFontWindows(spec, widget->logicalDpiY()));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, qtColourWindows(spec.colour));
    widget->setPalette(palette);
}

}  // namespace

// ---- The matches ----

int WyxMatchModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_words.size());
}

QVariant WyxMatchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    return fromModel(m_words[static_cast<size_t>(index.row())]);
}

void WyxMatchModel::clear() {
    beginResetModel();
    m_words.clear();
    endResetModel();
}

void WyxMatchModel::add(std::vector<std::string> words, bool sorted) {
    if (words.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(words.size()) - 1);
    for (std::string& word : words)
        m_words.push_back(std::move(word));
    endInsertRows();
    if (!sorted)
        return;

    // Merge the new rows into place: each goes after the equal words already listed.
    // Persistent indexes (selection, current item) follow their words.
    emit layoutAboutToBeChanged();
    const size_t oldCount = static_cast<size_t>(first);
    std::vector<size_t> order(m_words.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto byWord = [this](size_t a, size_t b) {
        return MatchList::precedes(m_words[a], m_words[b]);
    };
    std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(oldCount), order.end(), byWord);
    std::inplace_merge(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(oldCount),
                       order.end(), byWord);
    std::vector<int> newRow(order.size());
    std::vector<std::string> merged;
    merged.reserve(order.size());
    for (size_t row = 0; row < order.size(); ++row) {
        newRow[order[row]] = static_cast<int>(row);
        merged.push_back(std::move(m_words[order[row]]));
    }
    m_words = std::move(merged);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before)
        after << this->index(newRow[static_cast<size_t>(index.row())]);
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

// ---- The window ----

WyxViewWindows::WyxViewWindows(GridViewWindows& gridView, std::string settingsPath, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      m_gridView(gridView),
      m_settingsPath(std::move(settingsPath)),
      m_settings(WyxSettings::load(m_settingsPath)) {
    setObjectName(QStringLiteral("wordSearch"));
    m_engine.setShortest(m_settings.shortest);
    m_engine.setLongest(m_settings.longest);

    m_pattern = new QComboBox(this);
    m_pattern->setObjectName(QStringLiteral("wyxPattern"));
    m_pattern->setEditable(true);
    m_pattern->setInsertPolicy(QComboBox::NoInsert);
    m_pattern->setDuplicatesEnabled(true);
    m_pattern->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_start = new QPushButton(tr("S&tart"), this);
    m_start->setObjectName(QStringLiteral("wyxStart"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("wyxCount"));
    m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_progress = new WyxProgressBar(this);
    m_progress->setObjectName(QStringLiteral("wyxProgress"));
    m_matchesGroup = new QGroupBox(tr("Matche&s"), this);
    m_matchesGroup->setObjectName(QStringLiteral("wyxMatchesGroup"));
    m_model = new WyxMatchModel(this);
    m_list = new QListView(m_matchesGroup);
    m_list->setObjectName(QStringLiteral("wyxMatches"));
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);

    const auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_start->setAutoDefault(false);
    m_commit = button(tr("C&ommit"), "wyxCommit");
    m_lookupButton = button(tr("&Lookup"), "wyxLookup");
    m_export = button(tr("&Export"), "wyxExport");
    m_help = button(tr("&Help"), "wyxHelp");
    m_setup = button(tr("Set&up..."), "wyxSetup");
    m_close = button(tr("&Close"), "wyxClose");

    auto* top = new QHBoxLayout;
    top->addWidget(m_pattern, 1);
    top->addWidget(m_start);
    auto* progress = new QHBoxLayout;
    progress->addWidget(m_count);
    progress->addWidget(m_progress, 1);
    auto* group = new QVBoxLayout(m_matchesGroup);
    group->addWidget(m_list);
    // The buttons share the width evenly however wide the window is.
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_commit, m_lookupButton, m_export, m_help, m_setup, m_close}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        buttons->addWidget(b, 1);
    }
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(progress);
    column->addWidget(m_matchesGroup, 1);
    column->addLayout(buttons);

    // The drop-down list of earlier patterns is a fifth of the screen high.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int row = std::max(1, m_pattern->fontMetrics().height() + 2);
        m_pattern->setMaxVisibleItems(std::max(5, screen->geometry().height() / 5 / row));
    }
    applyFont(m_pattern, m_settings.patternFont);
    applyFont(m_list, m_settings.outputFont);

    connect(m_pattern, &QComboBox::editTextChanged, this, [this] {
        if (!m_patternChanging)
            recompile();
    });
    connect(m_start, &QPushButton::clicked, this, [this] { startStopContinue(); });
    connect(m_commit, &QPushButton::clicked, this, [this] { commit(); });
    connect(m_lookupButton, &QPushButton::clicked, this, [this] { lookup(); });
    connect(m_export, &QPushButton::clicked, this, [this] { exportMatches(); });
    connect(m_help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpContext); });
    connect(m_setup, &QPushButton::clicked, this, [this] { openProperties(); });
    connect(m_close, &QPushButton::clicked, this, [this] { close(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateButtons(); });
    connect(m_list, &QListView::doubleClicked, this, [this] {
        if (m_light)
            commit();
    });

    updateCaption();
    recompile();
    resize(sizeHint().expandedTo(QSize(420, 320)));
}

WyxViewWindows::~WyxViewWindows() = default;

void WyxViewWindows::attach(Light* light) {
    m_light = light;
    updateCaption();
    if (light) {
        m_patternChanging = true;
        m_pattern->setEditText(fromModel(lightPattern(*light)));
        m_patternChanging = false;
        if (QLineEdit* edit = m_pattern->lineEdit())
            edit->selectAll();
        recompile();
    }
    updateButtons();
}

void WyxViewWindows::updateCaption() {
    QString caption = tr("Word Search - ");
    if (m_light)
        caption += QString::fromLatin1(lightDescription(*m_light));
    setWindowTitle(caption);
}

QString WyxViewWindows::patternText() const {
    return m_pattern->currentText();
}

void WyxViewWindows::setPatternText(const QString& text) {
    m_pattern->setEditText(text);
}

QStringList WyxViewWindows::patternHistory() const {
    QStringList history;
    for (int i = 0; i < m_pattern->count(); ++i)
        history << m_pattern->itemText(i);
    return history;
}

QStringList WyxViewWindows::matches() const {
    QStringList list;
    for (const std::string& word : m_model->words())
        list << fromModel(word);
    return list;
}

void WyxViewWindows::setLookup(std::function<bool(const QString&)> lookup) {
    m_lookup = std::move(lookup);
    updateButtons();
}

void WyxViewWindows::recompile() {
    if (m_state == WyxRunState::Running)
        m_abandonRun = true;
    else
        m_run.reset();

    // The guard's message comes once for a dictionary, not at every key typed.
    const std::string path = m_gridView.dictionaryPath();
    const bool alert = path != m_alertedFor;
    const bool valid = m_gridView.ensureDictionary(alert);
    m_alertedFor = valid ? std::string() : path;
    m_compiledFor = path;
    bool compiled = false;
    if (valid) {
        const QByteArray text = patternText().toLatin1();
        const std::string expanded =
            expandPattern(std::string_view(text.constData(), static_cast<size_t>(text.size())),
                          m_settings.at, m_settings.hash);
        compiled = m_engine.compile(expanded, LetterMap::fromDictionary(Dictionary::instance()));
    }
    if (m_state != WyxRunState::Running)
        setState(compiled ? WyxRunState::Ready : WyxRunState::Disabled);
}

void WyxViewWindows::dictionaryMayHaveChanged() {
    if (m_gridView.dictionaryPath() != m_compiledFor ||
        Dictionary::instance().fileName() != m_compiledFor)
        recompile();
}

void WyxViewWindows::startStopContinue() {
    switch (m_state) {
        case WyxRunState::Ready: {
            m_patternChanging = true;
            m_pattern->insertItem(0, patternText());
            m_patternChanging = false;
            m_model->clear();
            m_pending.clear();
            m_count->setText(QStringLiteral("0"));
            m_run = std::make_unique<SearchRun>(Dictionary::instance(), m_engine);
            m_run->start();
            m_progress->setProgress(0, 0, 0);
            run();
            break;
        }
        case WyxRunState::Running:
            m_stopRequested = true;
            break;
        case WyxRunState::Stopped:
        case WyxRunState::Closing:
            if (m_run)
                run();
            break;
        case WyxRunState::Disabled:
            break;
    }
}

void WyxViewWindows::run() {
    m_stopRequested = false;
    m_abandonRun = false;
    setState(WyxRunState::Running);
    m_start->setFocus();
    QElapsedTimer sinceUpdate;
    sinceUpdate.start();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    bool complete = false;
    while (!m_stopRequested && !m_abandonRun) {
        const int length = m_run->length();
        m_progress->setProgress(length, m_run->wordsExamined(),
                                static_cast<long>(m_run->wordCount()));
        const SearchRun::Step step = m_run->step();
        if (step == SearchRun::Step::Match)
            m_pending.emplace_back(m_run->matchBytes());
        if (step == SearchRun::Step::LengthDone || step == SearchRun::Step::Complete)
            m_progress->showFull();
        if (step == SearchRun::Step::Complete) {
            complete = true;
            break;
        }
        if (sinceUpdate.elapsed() >= kListUpdateMilliseconds) {
            flushMatches();
            sinceUpdate.restart();
        }
        if (sinceEvents.elapsed() >= m_eventInterval) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
    }
    flushMatches();

    const bool closing = m_state == WyxRunState::Closing;
    if (complete || m_abandonRun) {
        m_run.reset();
        m_abandonRun = false;
        setState(m_engine.isCompiled() && Dictionary::instance().isValid() ? WyxRunState::Ready
                                                                           : WyxRunState::Disabled);
    } else if (!closing) {
        setState(WyxRunState::Stopped);
    }
    // A close asked for during the run happens now that the run has stopped.
    if (closing)
        hide();
    else
        focusPattern();
}

void WyxViewWindows::flushMatches() {
    if (!m_pending.empty()) {
        m_model->add(std::move(m_pending), m_settings.sorted);
        m_pending.clear();
    }
    m_count->setText(QString::number(m_model->rowCount()));
}

void WyxViewWindows::focusPattern() {
    m_pattern->setFocus();
    if (QLineEdit* edit = m_pattern->lineEdit())
        edit->selectAll();
}

void WyxViewWindows::setState(WyxRunState state) {
    const bool changed = state != m_state;
    m_state = state;
    switch (state) {
        case WyxRunState::Disabled:
        case WyxRunState::Ready:
            m_start->setText(tr("S&tart"));
            break;
        case WyxRunState::Running:
            m_start->setText(tr("S&top"));
            break;
        case WyxRunState::Stopped:
        case WyxRunState::Closing:
            m_start->setText(tr("Con&tinue"));
            break;
    }
    m_start->setEnabled(state != WyxRunState::Disabled);
    m_pattern->setEnabled(state != WyxRunState::Running);
    m_setup->setEnabled(state != WyxRunState::Running);
    updateButtons();
    if (changed)
        emit runStateChanged(state);
}

std::vector<int> WyxViewWindows::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void WyxViewWindows::updateButtons() {
    const size_t selected = m_list->selectionModel()->selectedRows().size();
    m_commit->setEnabled(m_light && selected == 1);
    m_lookupButton->setEnabled(m_lookup && selected == 1);
    m_export->setEnabled(selected >= 1);
}

bool WyxViewWindows::commit() {
    const std::vector<int> rows = selectedRows();
    if (!m_light || rows.size() != 1)
        return false;
    std::string word = m_model->word(rows.front());
    // The list shows words as stored; the light takes the dictionary's letters.
    if (m_gridView.ensureDictionary(true)) {
        std::vector<char> bytes(word.begin(), word.end());
        bytes.push_back('\0');
        InputEngine(Dictionary::instance()).toDisplayText(bytes.data());
        word = bytes.data();
    }
    Grid& grid = m_gridView.grid();
    grid.checkpoint();
    if (word.empty())
        m_light->clearText();
    else
        m_light->setText(word);
    grid.refresh();
    return true;
}

bool WyxViewWindows::lookup() {
    const std::vector<int> rows = selectedRows();
    if (!m_lookup || rows.size() != 1)
        return false;
    m_lookup(fromModel(m_model->word(rows.front())));
    return true;
}

bool WyxViewWindows::exportMatches() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString text;
    for (const int row : rows)
        text += fromModel(m_model->word(row)) + QStringLiteral("\r\n");
    QApplication::clipboard()->setText(text);
    QApplication::restoreOverrideCursor();
    return true;
}

void WyxViewWindows::applySettings(const WyxSettings& settings) {
    m_settings = settings;
    m_engine.setShortest(settings.shortest);
    m_engine.setLongest(settings.longest);
    m_settings.shortest = m_engine.shortest();
    m_settings.longest = m_engine.longest();
    applyFont(m_pattern, m_settings.patternFont);
    applyFont(m_list, m_settings.outputFont);
    recompile();
}

void WyxViewWindows::openProperties() {
    if (m_state == WyxRunState::Running)
        return;
    WyxPropertiesViewWindows dialog(m_gridView.dialogs(), m_settings, m_settingsPath, this);
    connect(&dialog, &WyxPropertiesViewWindows::helpRequested, this,
            &WyxViewWindows::helpRequested);
    if (m_gridView.runModal(dialog) == QDialog::Accepted)
        applySettings(dialog.settings());
}

void WyxViewWindows::closeEvent(QCloseEvent* event) {
    if (m_state == WyxRunState::Running) {
        // The run stops first; it hides the window when it has.
        setState(WyxRunState::Closing);
        m_stopRequested = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace tessaran
