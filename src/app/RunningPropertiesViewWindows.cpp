#include "app/RunningPropertiesViewWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <climits>
#include <string>

#include "app/EditorCommands.h"
#include "dictionary/Dictionary.h"
#include "fill/FillReport.h"
#include "grid/Light.h"
#include "grid/LightDescription.h"

namespace tessaran {
namespace {

constexpr int kSlotRole = Qt::UserRole;

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QString fromModel(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toModel(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace

RunningPropertiesViewWindows::RunningPropertiesViewWindows(GridViewWindows& gridView,
                                                           QWidget* frame)
    : QWidget(nullptr, Qt::Tool), m_gridView(gridView), m_frame(frame ? frame : gridView.window()) {
    setObjectName(QStringLiteral("runningProperties"));
    setWindowTitle(tr("Normal Fill"));

    auto* form = new QGridLayout;
    const auto addField = [&](const QString& caption, const char* name) {
        auto* label = new QLabel(caption, this);
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int row = form->rowCount();
        form->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
        form->addWidget(value, row, 1);
        return value;
    };
    m_level = addField(tr("Level:"), "fillLevel");
    m_light = addField(tr("Light:"), "fillLight");
    m_status = addField(tr("Status:"), "fillStatus");
    m_status->setWordWrap(true);
    m_status->setMinimumWidth(fontMetrics().horizontalAdvance(
        QStringLiteral("Fill failed at 12 across (15) after 100 seconds")));
    form->setColumnStretch(1, 1);

    m_candidates = new QListWidget(this);
    m_candidates->setObjectName(QStringLiteral("fillCandidates"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_candidates->setFont(fixed);
    m_candidates->setSelectionMode(QAbstractItemView::SingleSelection);
    m_candidates->setMinimumHeight(fontMetrics().height() * 8);

    auto* wordGroup = new QGroupBox(tr("&Selected Word"), this);
    wordGroup->setObjectName(QStringLiteral("selectedWordGroup"));
    m_selectedWord = new QLineEdit(wordGroup);
    m_selectedWord->setObjectName(QStringLiteral("selectedWord"));
    m_selectedWord->setMaxLength(Light::kMaxLength * 4);
    m_selectedWord->setFont(fixed);
    m_selectedWord->installEventFilter(this);
    m_lookupButton = makeButton(tr("&Lookup"), "fillLookup", wordGroup);
    m_killButton = makeButton(tr("&Kill"), "fillKill", wordGroup);
    auto* wordRow = new QHBoxLayout(wordGroup);
    wordRow->addWidget(m_selectedWord, 1);
    wordRow->addWidget(m_lookupButton);
    wordRow->addWidget(m_killButton);

    m_nextButton = makeButton(tr("&Next"), "fillNext", this);
    m_interruptButton = makeButton(tr("&Interrupt"), "fillInterrupt", this);
    m_backButton = makeButton(tr("&Back"), "fillBack", this);
    m_abandonButton = makeButton(tr("&Abandon"), "fillAbandon", this);
    m_helpButton = makeButton(tr("&Help"), "fillHelp", this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {m_nextButton, m_interruptButton, m_backButton, m_abandonButton, m_helpButton})
        buttons->addWidget(button);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(m_candidates, 1);
    column->addWidget(wordGroup);
    column->addLayout(buttons);

    connect(m_nextButton, &QPushButton::clicked, this, [this] { press(Pressed::Next); });
    connect(m_interruptButton, &QPushButton::clicked, this, [this] { press(Pressed::Interrupt); });
    connect(m_backButton, &QPushButton::clicked, this, [this] { press(Pressed::Back); });
    connect(m_abandonButton, &QPushButton::clicked, this, [this] { press(Pressed::Abandon); });
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (m_running == Running::Idle)
            dismiss();
        else
            emit helpRequested(command::NormalFill);
    });
    connect(m_candidates, &QListWidget::currentRowChanged, this, [this] { lineSelected(); });
    connect(m_selectedWord, &QLineEdit::textEdited, this, [this] { wordEdited(); });
    connect(m_killButton, &QPushButton::clicked, this, [this] { killSelected(); });
    connect(m_lookupButton, &QPushButton::clicked, this, [this] { lookup(); });

    // The frame is disabled while this window is up, so Copy is answered here.
    auto* copyShortcut = new QShortcut(QKeySequence::Copy, this);
    copyShortcut->setContext(Qt::WindowShortcut);
    connect(copyShortcut, &QShortcut::activated, this, &RunningPropertiesViewWindows::copy);

    m_gridView.setFillMonitor(this);
    m_clock.start();  // reports come from one-shot fills too, without a start
    endChoice();
}

RunningPropertiesViewWindows::~RunningPropertiesViewWindows() {
    m_gridView.setFillMonitor(nullptr);
    if (m_frame)
        m_frame->setEnabled(true);
}

QString RunningPropertiesViewWindows::statusText() const {
    return m_status->text();
}

// ---- Start and end ----

void RunningPropertiesViewWindows::fillStarting(FillKind kind) {
    setWindowTitle(kind == FillKind::Normal ? tr("Normal Fill") : tr("Unch Fill"));
    m_abandonButton->setText(tr("&Abandon"));
    m_status->setText(tr("Fill in progress"));
    m_level->clear();
    m_light->clear();
    endChoice();
    m_running = Running::Running;
    m_pressed = Pressed::None;
    m_syncFrequency = syncFrequency();
    m_clock.start();
    m_nextUpdate = 0;
    show();
    raise();
    activateWindow();
    // Nothing else may change the grid until the user has read the outcome.
    if (m_frame)
        m_frame->setEnabled(false);
}

void RunningPropertiesViewWindows::fillFinished(FillKind, int result, const Light* light,
                                                long seconds) {
    if (m_running == Running::Abandoned) {
        m_running = Running::Idle;
        dismiss();
        return;
    }
    m_status->setText(fromModel(fillResultText(result, light, seconds)));
    m_abandonButton->setText(tr("&Ok"));
    m_interruptButton->setEnabled(false);
    m_running = Running::Idle;
    m_pressed = Pressed::None;
    m_abandonButton->setFocus();
}

void RunningPropertiesViewWindows::dismiss() {
    hide();
    if (m_frame) {
        m_frame->setEnabled(true);
        m_frame->activateWindow();
    }
}

void RunningPropertiesViewWindows::press(Pressed pressed) {
    if (m_running == Running::Idle) {
        dismiss();
        return;
    }
    if (pressed == Pressed::Abandon)
        m_running = Running::Abandoned;
    m_pressed = pressed;
}

void RunningPropertiesViewWindows::closeEvent(QCloseEvent* event) {
    if (m_running == Running::Idle) {
        dismiss();
        event->accept();
        return;
    }
    // Closing a running fill abandons it; the window goes when the fill has stopped.
    press(Pressed::Abandon);
    event->ignore();
}

// ---- During the fill ----

void RunningPropertiesViewWindows::showLight(const Light* light, int level) {
    m_light->setText(light ? fromModel(lightDescription(*light)) : QString());
    m_level->setText(QString::number(level));
}

int RunningPropertiesViewWindows::fillProgress(const FillView*, const Light* light, int level,
                                               int indicator) {
    ++m_progressCalls;
    // The fill reports far more often than anyone can watch: the grid and the fields are
    // redrawn, and events handled, once a frame at most, so that watching costs the fill
    // little. A report that is not due changes nothing on screen; the next one that is
    // shows every letter changed meanwhile.
    const qint64 now = m_clock.elapsed();
    const bool due = now >= m_nextUpdate;
    if (indicator < m_syncFrequency && (due || indicator == INT_MIN)) {
        m_gridView.redisplayFill();
        if (indicator == INT_MIN)
            return 0;
        showLight(light, level);
    }
    if (due) {
        QCoreApplication::processEvents();
        m_nextUpdate = m_clock.elapsed() + kUpdateMilliseconds;
    }
    // pressed stays set: after Interrupt every report answers 1 until the choice opens.
    if (m_pressed == Pressed::Interrupt)
        return 1;
    if (m_pressed == Pressed::Abandon)
        return 3;
    return 0;
}

int RunningPropertiesViewWindows::fillChoose(int slotCount, int target, int* scores,
                                             const Light* light, int level, std::uint8_t* words,
                                             const std::uint8_t* pattern, int& chosen) {
    if (!isVisible() || !light)
        return 3;
    Dictionary& dictionary = Dictionary::instance();
    const int length = light->length();
    m_choiceLength = length;
    m_choicePattern.assign(pattern, pattern + length);
    m_gridView.selectLight(const_cast<Light*>(light));

    const std::vector<FillChoiceLine> lines =
        fillChoiceLines(dictionary, slotCount, target, scores, length, words, pattern);
    showLight(light, level);
    m_status->setText(tr("Fill interrupted"));
    m_candidates->clear();
    for (const FillChoiceLine& line : lines) {
        auto* item = new QListWidgetItem(fromModel(line.text), m_candidates);
        item->setData(kSlotRole, line.slot);
    }
    chosen = lines.empty() ? -1 : lines.front().slot;

    m_choosing = true;
    m_interruptButton->setText(tr("&Continue"));
    m_interruptButton->setEnabled(true);
    m_backButton->setEnabled(level > 0);
    m_selectedWord->setEnabled(true);
    m_lookupButton->setEnabled(static_cast<bool>(m_lookup));
    if (m_candidates->count() > 0) {
        m_candidates->setCurrentRow(0);
        m_candidates->setFocus();
    } else {
        m_selectedWord->setFocus();
    }
    lineSelected();

    m_pressed = Pressed::None;
    emit choiceOpened();
    while (m_pressed == Pressed::None)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const Pressed pressed = m_pressed;

    if (pressed == Pressed::Next || pressed == Pressed::Interrupt) {
        const int slot = takeTypedWord(dictionary, toModel(m_selectedWord->text()), slotCount,
                                       scores, length, words, &m_gridView.killList());
        if (slot >= 0)
            chosen = slot;
    }
    endChoice();
    m_status->setText(tr("Fill in progress"));
    m_gridView.selectLight(nullptr);
    m_pressed = Pressed::None;
    switch (pressed) {
        case Pressed::Interrupt:
            return 0;
        case Pressed::Next:
            return 1;
        case Pressed::Back:
            return 2;
        default:
            return 3;
    }
}

void RunningPropertiesViewWindows::endChoice() {
    m_choosing = false;
    m_candidates->clear();
    m_interruptButton->setText(tr("&Interrupt"));
    m_interruptButton->setEnabled(true);
    m_nextButton->setEnabled(false);
    m_backButton->setEnabled(false);
    m_selectedWord->clear();
    m_selectedWord->setEnabled(false);
    m_lookupButton->setEnabled(false);
    m_killButton->setEnabled(false);
}

// ---- The choice ----

void RunningPropertiesViewWindows::lineSelected() {
    if (!m_choosing)
        return;
    const QListWidgetItem* item = m_candidates->currentItem();
    m_selectedWord->setText(item ? item->text().mid(kChoiceWordColumn) : QString());
    m_killButton->setEnabled(item != nullptr);
    updateTakeButtons();
}

void RunningPropertiesViewWindows::wordEdited() {
    m_killButton->setEnabled(false);
    updateTakeButtons();
}

void RunningPropertiesViewWindows::updateTakeButtons() {
    const bool fits =
        m_choosing && typedWordFits(Dictionary::instance(), toModel(m_selectedWord->text()),
                                    m_choiceLength, m_choicePattern.data());
    m_nextButton->setEnabled(fits);
    m_interruptButton->setEnabled(fits);
}

void RunningPropertiesViewWindows::killSelected() {
    const int row = m_candidates->currentRow();
    if (!m_choosing || row < 0)
        return;
    const std::string word =
        killListSpelling(Dictionary::instance(), toModel(m_selectedWord->text()));
    delete m_candidates->takeItem(row);
    // The kill list's fill table follows at once, so the fill avoids the word from now on.
    if (!word.empty())
        m_gridView.killList().add(word);
    if (m_candidates->count() > 0)
        m_candidates->setCurrentRow(std::min(row, m_candidates->count() - 1));
    lineSelected();
}

void RunningPropertiesViewWindows::lookup() {
    const QString word = m_selectedWord->text();
    if (!word.isEmpty() && m_lookup)
        m_lookup(word);
}

void RunningPropertiesViewWindows::copy() {
    const QString word = m_selectedWord->text();
    if (!word.isEmpty())
        QApplication::clipboard()->setText(word);
}

bool RunningPropertiesViewWindows::eventFilter(QObject* watched, QEvent* event) {
    // Copy in the word's edit copies the whole word, as anywhere else in this window.
    if (watched == m_selectedWord &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            if (event->type() == QEvent::KeyPress)
                copy();
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tessaran
