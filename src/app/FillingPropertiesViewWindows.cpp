#include "app/FillingPropertiesViewWindows.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"
#include "app/Settings.h"
#include "dictionary/Dictionary.h"
#include "fill/FillOperations.h"
#include "grid/Grid.h"

namespace tessaran {
namespace {

constexpr const char* kUncommittedCaption = "Uncommitted filled lights";
constexpr const char* kUncommittedText =
    "There are filled lights that haven't been committed.\n"
    "If you change the dictionary, the uncommitted text\n"
    "will be lost.";
constexpr const char* kInvalidDescription = "-- CURRENT DICTIONARY INVALID --";

QString displayName(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

FillingPropertiesViewWindows::FillingPropertiesViewWindows(GridViewWindows& gridView,
                                                           QWidget* parent)
    : PropertiesViewWindows(gridView, tr("Filling Properties"), parent) {
    setObjectName(QStringLiteral("fillingProperties"));

    // The dictionary: its file and what it holds.
    auto* dictionaryGroup = named(new QGroupBox(tr("Dictionary"), this), "dictionaryGroup");
    QGridLayout* dictionaryForm = addForm(nullptr);
    dictionaryGroup->setLayout(dictionaryForm);
    m_fileBox = named(new PVWCheckBox(tr("File:")), "dictionaryFileBox");
    m_fileName = named(new QLineEdit, "dictionaryFile");
    m_fileName->setReadOnly(true);
    m_fileName->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32);
    m_change = named(new QPushButton(tr("C&hange...")), "dictionaryChange");
    auto* fileRow = new QWidget;
    auto* fileLayout = new QHBoxLayout(fileRow);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->addWidget(m_fileName, 1);
    fileLayout->addWidget(m_change);
    addRow(dictionaryForm, m_fileBox, fileRow);
    m_description = named(new QLabel, "dictionaryDescription");
    m_entries = named(new QLabel, "dictionaryEntries");
    m_shortest = named(new QLabel, "dictionaryShortest");
    m_longest = named(new QLabel, "dictionaryLongest");
    addRow(dictionaryForm, tr("Description:"), m_description);
    addRow(dictionaryForm, tr("Entries:"), m_entries);
    addRow(dictionaryForm, tr("Shortest:"), m_shortest);
    addRow(dictionaryForm, tr("Longest:"), m_longest);

    // The four settings.
    auto* settingsGroup = named(new QGroupBox(tr("Filling"), this), "fillingGroup");
    QGridLayout* form = addForm(nullptr);
    settingsGroup->setLayout(form);
    m_firstWordBox = named(new PVWCheckBox(tr("First word:")), "firstWordBox");
    m_firstWord = named(new PVWEnumeration({tr("Consistent"), tr("Random")}), "firstWord");
    m_startModeBox = named(new PVWCheckBox(tr("Start mode:")), "startModeBox");
    m_startMode = named(new PVWEnumeration({tr("Automatic"), tr("Manual")}), "startMode");
    m_normalBox = named(new PVWCheckBox(tr("Normal Commonality:")), "normalCommonalityBox");
    m_normal = named(new PVWSpin(4), "normalCommonality");
    m_unchBox = named(new PVWCheckBox(tr("Unch Commonality:")), "unchCommonalityBox");
    m_unch = named(new PVWSpin(4), "unchCommonality");
    addRow(form, m_firstWordBox, m_firstWord);
    addRow(form, m_startModeBox, m_startMode);
    addRow(form, m_normalBox, m_normal);
    addRow(form, m_unchBox, m_unch);
    // The method is the program's, not the grid's: no override box.
    m_method = named(new PVWEnumeration({tr("Standard"), tr("Constraint")}), "fillMethod");
    addRow(form, tr("Method:"), m_method);

    auto* save = named(new QPushButton(tr("&Save As Defaults")), "fillingSaveAsDefaults");
    auto* help = named(new QPushButton(tr("&Help")), "fillingHelp");
    auto* close = named(new QPushButton(tr("&Close")), "fillingClose");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(dictionaryGroup);
    column->addWidget(settingsGroup);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetMinimumSize);

    connect(m_fileBox, &PVWCheckBox::toggledByUser, this,
            [this](bool ticked) { fileToggled(ticked); });
    connect(m_change, &QPushButton::clicked, this, [this] { changeDictionary(); });
    const std::pair<PVWCheckBox*, GridSetting> boxes[] = {
        {m_firstWordBox, GridSetting::FirstWord},
        {m_startModeBox, GridSetting::StartMode},
        {m_normalBox, GridSetting::NormalCommonality},
        {m_unchBox, GridSetting::UnchCommonality},
    };
    for (const auto& [box, setting] : boxes)
        connect(box, &PVWCheckBox::toggledByUser, this,
                [this, setting = setting](bool ticked) { overrideToggled(setting, ticked); });
    connect(m_firstWord, &PVWEnumeration::chosen, this,
            [this](int value) { choose(GridSetting::FirstWord, value); });
    connect(m_startMode, &PVWEnumeration::chosen, this,
            [this](int value) { choose(GridSetting::StartMode, value); });
    for (const auto& [spin, setting] : {std::pair{m_normal, GridSetting::NormalCommonality},
                                        std::pair{m_unch, GridSetting::UnchCommonality}}) {
        connect(spin, &PVWSpin::edited, this,
                [this, setting = setting, spin = spin](const QString& text) {
                    typeCommonality(setting, text, spin);
                });
        connect(spin, &PVWSpin::stepped, this,
                [this, setting = setting](int steps) { stepCommonality(setting, steps); });
    }
    connect(m_method, &PVWEnumeration::chosen, this, [this](int value) {
        this->gridView().setFillMethod(fillMethodFromSetting(value));
        reload();
    });
    connect(save, &QPushButton::clicked, this, [this] { saveAsDefaults(); });
    connect(help, &QPushButton::clicked, this,
            [this] { emit helpRequested(command::FillingProperties); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void FillingPropertiesViewWindows::load() {
    const Grid& grid = gridView().grid();
    m_fileBox->setTicked(grid.dictionary().has_value());
    m_fileName->setText(displayName(grid.effectiveDictionary().value_or(std::string())));

    // The summary is of the dictionary this grid fills from.
    Dictionary& dictionary = Dictionary::instance();
    const bool valid = gridView().ensureDictionary(false);
    m_description->setText(valid ? QString::fromLatin1(dictionary.description())
                                 : QString::fromLatin1(kInvalidDescription));
    m_entries->setText(QString::number(valid ? dictionary.entries() : 0));
    m_shortest->setText(QString::number(valid ? dictionary.shortest() : 0));
    m_longest->setText(QString::number(valid ? dictionary.longest() : 0));

    const auto show = [&](GridSetting setting, PVWCheckBox* box) {
        box->setTicked(grid.setting(setting).isOverridden());
        return grid.settingValue(setting);
    };
    m_firstWord->setValue(show(GridSetting::FirstWord, m_firstWordBox) == 1 ? 1 : 0);
    m_startMode->setValue(show(GridSetting::StartMode, m_startModeBox) == 1 ? 1 : 0);
    m_normal->showText(QString::number(show(GridSetting::NormalCommonality, m_normalBox)));
    m_unch->showText(QString::number(show(GridSetting::UnchCommonality, m_unchBox)));
    m_method->setValue(static_cast<int>(gridView().fillMethod()));
    // A fill started in Manual mode steps through the standard search whatever is chosen.
    m_method->setToolTip(grid.settingValue(GridSetting::StartMode) == 1
                             ? tr("Fills in Manual mode always use the Standard method")
                             : QString());
}

// ---- The four settings ----

void FillingPropertiesViewWindows::overrideToggled(GridSetting setting, bool ticked) {
    applyChange([&] {
        gridView().grid().setting(setting).setOverridden(ticked);
        gridView().grid().refresh();
    });
}

void FillingPropertiesViewWindows::choose(GridSetting setting, int value) {
    applyChange([&] {
        gridView().grid().setting(setting).setOverride(value);
        gridView().grid().refresh();
    });
}

void FillingPropertiesViewWindows::typeCommonality(GridSetting setting, const QString& text,
                                                   const QObject* edit) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    // A sign on its own or an empty edit is an entry not yet finished.
    if (!ok)
        return;
    applyChange(
        [&] {
            gridView().grid().setting(setting).setOverride(value);
            gridView().grid().refresh();
        },
        edit);
}

void FillingPropertiesViewWindows::stepCommonality(GridSetting setting, int steps) {
    endTyping();
    applyChange([&] {
        gridView().grid().setting(setting).adjustOverride(steps);
        gridView().grid().refresh();
    });
}

// ---- The dictionary ----

bool FillingPropertiesViewWindows::confirmDictionaryChange() {
    Grid& grid = gridView().grid();
    if (grid.lightStatistics().filled == 0)
        return true;
    if (gridView().showMessage(QString::fromLatin1(kUncommittedCaption),
                               QString::fromLatin1(kUncommittedText), MessageButtons::OkCancel,
                               MessageIcon::Exclamation) != MessageAnswer::Ok)
        return false;
    undoFill(grid);
    return true;
}

void FillingPropertiesViewWindows::fileToggled(bool ticked) {
    endTyping();
    if (!confirmDictionaryChange()) {
        reload();
        return;
    }
    const Grid& grid = gridView().grid();
    gridView().setDictionary(ticked ? grid.effectiveDictionary() : std::nullopt);
    reload();
}

void FillingPropertiesViewWindows::changeDictionary() {
    endTyping();
    if (!confirmDictionaryChange())
        return;
    FileDialogRequest request;
    request.title = tr("Dictionary File Selection");
    request.filter = QStringLiteral("Dictionary File (*.lxd)|*.lxd|All Files|*.*");
    request.defaultExtension = QStringLiteral("lxd");
    request.startAt(displayName(gridView().dictionaryPath()));
    gridView().setToolWindowsEnabled(false, this);
    const std::optional<QString> chosen = gridView().dialogs().openFileName(this, request);
    gridView().setToolWindowsEnabled(true);
    if (!chosen)
        return;
    gridView().setDictionary(QFile::encodeName(*chosen).toStdString());
    reload();
}

void FillingPropertiesViewWindows::saveAsDefaults() {
    endTyping();
    Settings& settings = gridView().settings();
    if (settings.saveFilling() != FileReplaceResult::Done)
        gridView().showMessage(
            tr("Filling Properties"),
            tr("The defaults could not be written to %1.").arg(displayName(settings.iniPath())),
            MessageButtons::Ok, MessageIcon::Exclamation);
    gridView().grid().refresh();
}

}  // namespace tessaran
