#include "builder/DMDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "batch/DataFiles.h"
#include "builder/BuilderFields.h"
#include "builder/DMDialogs.h"
#include "builder/DMHelpWindow.h"
#include "builder/DMProgressBar.h"
#include "builder/DictionaryBuilder.h"
#include "builder/LexiforgeCommand.h"

namespace tessaran {
namespace {

const QString kCaption = QStringLiteral("Dictionary Builder Message");
constexpr int kFileNameLimit = 1024;
constexpr int kDescriptionLimit = 80;
constexpr int kStoredDescription = 79;
constexpr qint64 kPumpInterval = 10;  // milliseconds

// File names travel to the core in the file system's own encoding.
std::string localName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

// A file lexiforge ships with, for the program in programDirectory (see DataFiles.h).
QString shippedFile(const QString& programDirectory, const char* name) {
    const std::filesystem::path found = tessaran::findDataFile(name, localName(programDirectory));
    return QFile::decodeName(QByteArray::fromStdString(found.string()));
}

// A file name field shows the whole name on hovering, as a long one is cut short.
void showFileName(QLineEdit* edit, const QString& fileName) {
    edit->setText(QDir::toNativeSeparators(fileName));
    edit->setToolTip(edit->text());
}

QLineEdit* fileNameEdit(const QString& name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setMaxLength(kFileNameLimit);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 48);
    return edit;
}

QLineEdit* numberEdit(const QString& name, const QString& initial) {
    auto* edit = new QLineEdit(initial);
    edit->setObjectName(name);
    // Any whole number may be typed; Start holds it to its range.
    edit->setValidator(new QIntValidator(-999, 999, edit));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 12);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QPushButton* button(const QString& name, const QString& text) {
    auto* pushButton = new QPushButton(text);
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

QLabel* labelFor(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    // With a buddy, "&&" shows as a single ampersand.
    label->setBuddy(buddy);
    label->setObjectName(buddy->objectName() + "Label");
    return label;
}

}  // namespace

DMDialog::DMDialog(const QString& programDirectory, DMDialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_programDirectory(programDirectory), m_dialogs(dialogs) {
    setObjectName("builderDialog");

    m_mappingEdit = fileNameEdit("mappingFileEdit");
    m_mappingButton = button("mappingChangeButton", "&Change...");
    m_wordListEdit = fileNameEdit("wordListEdit");
    m_wordListButton = button("wordListChangeButton", "&Change...");
    m_outputEdit = fileNameEdit("outputFileEdit");
    m_outputButton = button("outputChangeButton", "&Change...");
    m_descriptionEdit = new QLineEdit;
    m_descriptionEdit->setObjectName("descriptionEdit");
    m_descriptionEdit->setMaxLength(kDescriptionLimit);
    // The dictionary stores its description in Latin-1; other characters cannot be typed.
    m_descriptionEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{20}-\\x{7e}\\x{a0}-\\x{ff}]*")),
        m_descriptionEdit));
    m_minimumEdit = numberEdit("minimumEdit", "1");
    m_minimumSpin = spinFor(m_minimumEdit, "minimumSpin", kShortestLength, kLongestLength);
    m_maximumEdit = numberEdit("maximumEdit", "31");
    m_maximumSpin = spinFor(m_maximumEdit, "maximumSpin", kShortestLength, kLongestLength);
    m_sortCheck = new QCheckBox("Sort List");
    m_sortCheck->setObjectName("sortListCheck");
    m_sortCheck->setChecked(true);
    m_commonalityEdit = numberEdit("commonalityEdit", "0");
    m_commonalitySpin =
        spinFor(m_commonalityEdit, "commonalitySpin", kLowestCommonality, kHighestCommonality);
    m_progressBar = new DMProgressBar;
    m_progressBar->setObjectName("progressBar");
    m_startButton = button("startButton", "&Start");
    m_helpButton = button("helpButton", "&Help...");
    m_closeButton = button("closeButton", "&Close");
    m_statusLine = new QLabel;
    m_statusLine->setObjectName("statusLine");
    m_statusLine->setFrameShape(QFrame::StyledPanel);
    m_statusLine->setFrameShadow(QFrame::Sunken);
    m_statusLine->setTextFormat(Qt::PlainText);
    m_statusLine->setMinimumHeight(m_statusLine->fontMetrics().height() + 8);
    m_statusLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* files = new QGridLayout;
    files->setColumnStretch(1, 1);
    const std::tuple<QString, QLineEdit*, QPushButton*> fileRows[] = {
        {"Alphabet mapping file:", m_mappingEdit, m_mappingButton},
        {"Input word list file:", m_wordListEdit, m_wordListButton},
        {"Output Wyx&&Tessaran dictionary file:", m_outputEdit, m_outputButton},
    };
    int row = 0;
    for (const auto& [text, edit, change] : fileRows) {
        files->addWidget(labelFor(text, edit), row, 0);
        files->addWidget(edit, row, 1);
        files->addWidget(change, row, 2);
        ++row;
    }
    files->addWidget(labelFor("Description:", m_descriptionEdit), row, 0);
    files->addWidget(m_descriptionEdit, row, 1, 1, 2);

    auto* numbers = new QGridLayout;
    numbers->addWidget(labelFor("Minimum length:", m_minimumEdit), 0, 0);
    numbers->addWidget(m_minimumEdit, 0, 1);
    numbers->addWidget(m_minimumSpin, 0, 2);
    numbers->setColumnMinimumWidth(3, fontMetrics().averageCharWidth() * 4);
    numbers->addWidget(labelFor("Maximum length:", m_maximumEdit), 0, 4);
    numbers->addWidget(m_maximumEdit, 0, 5);
    numbers->addWidget(m_maximumSpin, 0, 6);
    numbers->addWidget(m_sortCheck, 1, 0);
    numbers->addWidget(labelFor("Commonality Setting:", m_commonalityEdit), 1, 4);
    numbers->addWidget(m_commonalityEdit, 1, 5);
    numbers->addWidget(m_commonalitySpin, 1, 6);
    numbers->setColumnStretch(7, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_startButton);
    buttons->addStretch(1);
    buttons->addWidget(m_helpButton);
    buttons->addWidget(m_closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(numbers);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_statusLine);
    layout->addLayout(buttons);

    connect(m_mappingButton, &QPushButton::clicked, this, [this] { chooseMapping(); });
    connect(m_wordListButton, &QPushButton::clicked, this, [this] { chooseWordList(); });
    connect(m_outputButton, &QPushButton::clicked, this, [this] { chooseOutput(); });
    connect(m_startButton, &QPushButton::clicked, this, [this] { startOrAbandon(); });
    connect(m_helpButton, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(m_closeButton, &QPushButton::clicked, this, [this] { window()->close(); });
    connect(m_sortCheck, &QCheckBox::toggled, this, [this](bool checked) {
        m_commonalityEdit->setEnabled(checked);
        m_commonalitySpin->setEnabled(checked);
    });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setObjectName("helpShortcut");
    connect(help, &QShortcut::activated, this, [this] { showHelp(); });

    // The shipped mapping loads silently; without it the user chooses one.
    const QString defaultMap = shippedFile(m_programDirectory, "default.lxm");
    m_mappingLoaded = m_mapping.readFile(localName(defaultMap)).success;
    if (m_mappingLoaded)
        showFileName(m_mappingEdit, QDir::cleanPath(defaultMap));
    updateStart();
}

DMDialog::~DMDialog() = default;

bool DMDialog::canClose() const {
    return m_runState != RunState::Building && m_runState != RunState::AbandonRequested;
}

QWidget* DMDialog::spinFor(QLineEdit* edit, const QString& name, int lowest, int highest) {
    auto* spin = new QWidget;
    spin->setObjectName(name);
    auto* arrows = new QVBoxLayout(spin);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    const int height = edit->sizeHint().height() / 2;
    const std::pair<const char*, int> steps[] = {{"Up", 1}, {"Down", -1}};
    for (const auto& [suffix, delta] : steps) {
        auto* arrow = new QToolButton;
        arrow->setObjectName(name + suffix);
        arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(height + 6, height);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrows->addWidget(arrow);
        connect(arrow, &QToolButton::clicked, this,
                [this, edit, delta, lowest, highest] { step(edit, delta, lowest, highest); });
    }
    edit->installEventFilter(this);
    edit->setProperty("lowest", lowest);
    edit->setProperty("highest", highest);
    return spin;
}

void DMDialog::step(QLineEdit* edit, int delta, int lowest, int highest) {
    const int value = std::clamp(fieldValue(edit->text().toStdString()) + delta, lowest, highest);
    edit->setText(QString::number(value));
}

bool DMDialog::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys in a number field step it like its arrows.
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::KeyPress && edit->property("lowest").isValid()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(edit, key == Qt::Key_Up ? 1 : -1, edit->property("lowest").toInt(),
                 edit->property("highest").toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DMDialog::chooseMapping() {
    const QString chosen = m_dialogs.chooseFile(
        this, {"Alphabet mapping file selection", "Alphabet mapping files (*.lxm);;All Files (*)",
               "lxm", m_mappingEdit->text()});
    if (!chosen.isEmpty())
        loadMapping(chosen);
}

void DMDialog::loadMapping(const QString& fileName) {
    const MappingReadResult result = m_mapping.readFile(localName(fileName));
    m_mappingLoaded = result.success;
    showFileName(m_mappingEdit, result.success ? fileName : QString());
    if (!result.success)
        m_dialogs.message(this, kCaption, QString::fromStdString(mappingErrorText(result)),
                          DMDialogs::Icon::Exclamation);
    updateStart();
}

void DMDialog::chooseWordList() {
    const QString chosen = m_dialogs.chooseFile(
        this, {"Word List File Selection", "Word list files (*.txt);;All Files (*)", "txt",
               m_wordListEdit->text()});
    if (!chosen.isEmpty())
        setWordList(chosen);
}

void DMDialog::setWordList(const QString& fileName) {
    showFileName(m_wordListEdit, fileName);
    setOutputFile(QFile::decodeName(QByteArray::fromStdString(
        dictionaryNameFor(localName(QDir::fromNativeSeparators(fileName))))));
    updateStart();
}

void DMDialog::chooseOutput() {
    const QString chosen = m_dialogs.chooseFile(
        this, {"Dictionary File Selection", "Wyx&Tessaran Dictionary files (*.lxd);;All Files (*)",
               "lxd", m_outputEdit->text(), true});
    if (!chosen.isEmpty())
        setOutputFile(chosen);
}

void DMDialog::setOutputFile(const QString& fileName) {
    showFileName(m_outputEdit, fileName);
}

void DMDialog::updateStart() {
    const bool ready = m_mappingLoaded && !m_wordListEdit->text().isEmpty();
    m_runState = ready ? RunState::Ready : RunState::NotReady;
    m_startButton->setEnabled(ready);
}

void DMDialog::setEditing(bool enabled) {
    const bool sorting = enabled && m_sortCheck->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(m_mappingButton), static_cast<QWidget*>(m_wordListButton),
          static_cast<QWidget*>(m_outputButton), static_cast<QWidget*>(m_outputEdit),
          static_cast<QWidget*>(m_descriptionEdit), static_cast<QWidget*>(m_minimumEdit),
          m_minimumSpin, static_cast<QWidget*>(m_maximumEdit), m_maximumSpin,
          static_cast<QWidget*>(m_sortCheck), static_cast<QWidget*>(m_closeButton)})
        control->setEnabled(enabled);
    m_commonalityEdit->setEnabled(sorting);
    m_commonalitySpin->setEnabled(sorting);
}

void DMDialog::startOrAbandon() {
    if (m_runState == RunState::Ready)
        runBuild();
    else if (m_runState == RunState::Building)
        m_runState = RunState::AbandonRequested;
}

void DMDialog::runBuild() {
    const QString wordList = QDir::fromNativeSeparators(m_wordListEdit->text());
    const QString output = QDir::fromNativeSeparators(m_outputEdit->text());
    BuildOptions options;
    options.description =
        m_descriptionEdit->text().toLatin1().left(kStoredDescription).toStdString();
    options.sort = m_sortCheck->isChecked();
    options.commonality = effectiveCommonality(fieldValue(m_commonalityEdit->text().toStdString()));
    options.minLength = effectiveLength(fieldValue(m_minimumEdit->text().toStdString()));
    options.maxLength = effectiveLength(fieldValue(m_maximumEdit->text().toStdString()));
    // The fields show what the build uses.
    m_commonalityEdit->setText(QString::number(options.commonality));
    m_minimumEdit->setText(QString::number(options.minLength));
    m_maximumEdit->setText(QString::number(options.maxLength));

    if (QFileInfo::exists(output) &&
        !m_dialogs.askYesNo(this, kCaption,
                            QString("A file named\n\n  %1\n\nalready exists.\n\nAre you sure you "
                                    "want to overwrite this?\n")
                                .arg(QDir::toNativeSeparators(output)),
                            DMDialogs::Icon::Exclamation))
        return;

    setEditing(false);
    m_runState = RunState::Building;
    m_startButton->setText("&Abandon");
    m_progressBar->setPercent(0);
    m_sincePump.invalidate();

    DictionaryBuilder builder(*this, m_mapping, options);
    const bool built = builder.build(localName(wordList), localName(output));

    if (built)
        m_dialogs.message(this, kCaption, QString::fromLatin1(kBuildSucceededText),
                          DMDialogs::Icon::Information);
    else
        m_dialogs.message(this, kCaption, QString::fromLatin1(kBuildFailedText),
                          DMDialogs::Icon::Exclamation);
    setEditing(true);
    updateStart();
    m_startButton->setText("&Start");
}

bool DMDialog::progress(int percent) {
    // Pumping at every call (every 64 lines) would spend more time polling the display
    // than building; a hundred times a second keeps repaints and Abandon just as prompt.
    if (!m_sincePump.isValid() || m_sincePump.elapsed() >= kPumpInterval) {
        QCoreApplication::processEvents();
        m_sincePump.start();
    }
    m_progressBar->setPercent(percent);
    return m_runState == RunState::Building;
}

void DMDialog::message(std::string_view format, std::string_view argument) {
    showStatus(format, argument);
}

void DMDialog::error(std::string_view format, std::string_view argument) {
    showStatus(format, argument);
}

void DMDialog::showStatus(std::string_view format, std::string_view argument) {
    std::string text = formatText(format, argument).substr(0, kFileNameLimit - 1);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    m_statusLine->setText(QFile::decodeName(QByteArray::fromStdString(text)));
}

QString DMDialog::helpFilePath(const QString& programDirectory) {
    const QString manual = shippedFile(programDirectory, "help/lexiforge.html");
    if (!QFileInfo(manual).isFile())
        return QString();
    return QDir::cleanPath(QFileInfo(manual).absoluteFilePath());
}

bool DMDialog::showHelp() {
    const QString manual = helpFilePath(m_programDirectory);
    if (!manual.isEmpty()) {
        if (!m_helpWindow)
            m_helpWindow = new DMHelpWindow(this);
        if (m_helpWindow->showFile(manual))
            return true;
    }
    m_dialogs.message(this, kCaption,
                      "The builder's manual, help/lexiforge.html, was not found beside the "
                      "program.",
                      DMDialogs::Icon::Exclamation);
    return false;
}

}  // namespace tessaran
