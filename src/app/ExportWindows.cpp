#include "app/ExportWindows.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"
#include "grid/Grid.h"

namespace tessaran {

namespace {

struct KindLabel {
    ExportKind kind;
    const char* label;
};

// In the dialog's order: the classic five, then the further renderings.
constexpr KindLabel kKindLabels[] = {
    {ExportKind::Picture, "Grid as a &picture"},       {ExportKind::Bitmap, "Grid as a &bitmap"},
    {ExportKind::TextGrid, "Grid as &text"},           {ExportKind::AnswerList, "&List of answers"},
    {ExportKind::ExchangeText, "&Across TEXT format"}, {ExportKind::Png, "Grid as a P&NG image"},
    {ExportKind::Svg, "Grid as an S&VG drawing"},      {ExportKind::Pdf, "Grid as a P&DF document"},
};

int kindSlot(ExportKind kind) {
    for (int i = 0; i < 8; ++i)
        if (kKindLabels[i].kind == kind)
            return i;
    return 0;
}

// The answer list and the exchange text always hold every answer and no numbers.
bool switchesApply(ExportKind kind) {
    return kind != ExportKind::AnswerList && kind != ExportKind::ExchangeText;
}

}  // namespace

ExportDialogWindows::ExportDialogWindows(const ExportChoices& choices, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(tr("Export"));

    auto* kinds = new QGroupBox(tr("Data to export"), this);
    kinds->setObjectName(QStringLiteral("dataToExport"));
    auto* kindLayout = new QVBoxLayout(kinds);
    auto* kindGroup = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        m_kinds[i] = new QRadioButton(tr(kKindLabels[i].label), kinds);
        m_kinds[i]->setObjectName(
            QStringLiteral("exportKind%1").arg(static_cast<int>(kKindLabels[i].kind)));
        kindGroup->addButton(m_kinds[i]);
        kindLayout->addWidget(m_kinds[i]);
        connect(m_kinds[i], &QRadioButton::toggled, this, &ExportDialogWindows::updateSwitches);
    }

    auto* destination = new QGroupBox(tr("Destination"), this);
    destination->setObjectName(QStringLiteral("destination"));
    auto* destinationLayout = new QVBoxLayout(destination);
    m_clipboard = new QRadioButton(tr("&Clipboard"), destination);
    m_clipboard->setObjectName(QStringLiteral("destinationClipboard"));
    m_file = new QRadioButton(tr("&File"), destination);
    m_file->setObjectName(QStringLiteral("destinationFile"));
    destinationLayout->addWidget(m_clipboard);
    destinationLayout->addWidget(m_file);
    destinationLayout->addStretch();

    m_answers = new QCheckBox(tr("Include a&nswers"), this);
    m_answers->setObjectName(QStringLiteral("includeAnswers"));
    m_numbers = new QCheckBox(tr("Include n&umbers"), this);
    m_numbers->setObjectName(QStringLiteral("includeNumbers"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("exportButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(destination);
    right->addWidget(m_answers);
    right->addWidget(m_numbers);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(kinds);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    kindButton(choices.kind)->setChecked(true);
    destinationButton(choices.destination)->setChecked(true);
    m_answers->setChecked(choices.includeAnswers);
    m_numbers->setChecked(choices.includeNumbers);
    updateSwitches();
}

QRadioButton* ExportDialogWindows::kindButton(ExportKind kind) const {
    return m_kinds[kindSlot(kind)];
}

QRadioButton* ExportDialogWindows::destinationButton(ExportDestination destination) const {
    return destination == ExportDestination::File ? m_file : m_clipboard;
}

ExportChoices ExportDialogWindows::choices() const {
    ExportChoices choices;
    for (int i = 0; i < 8; ++i)
        if (m_kinds[i]->isChecked())
            choices.kind = kKindLabels[i].kind;
    choices.destination =
        m_file->isChecked() ? ExportDestination::File : ExportDestination::Clipboard;
    choices.includeAnswers = m_answers->isChecked();
    choices.includeNumbers = m_numbers->isChecked();
    return choices;
}

void ExportDialogWindows::updateSwitches() {
    const bool apply = switchesApply(choices().kind);
    m_answers->setEnabled(apply);
    m_numbers->setEnabled(apply);
}

ExportCommandWindows::ExportCommandWindows(GridViewWindows& view)
    : m_view(view), m_output(std::make_unique<GridOutputWindows>(view)) {
    m_view.setCommandHandler(command::Export, [this] { run(); });
}

ExportCommandWindows::~ExportCommandWindows() {
    m_view.setCommandHandler(command::Export, {});
}

void ExportCommandWindows::run() {
    if (!m_view.warnUncommitted())
        return;
    ExportDialogWindows dialog(m_choices, m_view.window());
    if (m_view.runModal(dialog) != QDialog::Accepted)
        return;
    m_choices = dialog.choices();

    std::string fileName;
    if (m_choices.destination == ExportDestination::File) {
        const QString extension = QString::fromLatin1(exportDefaultExtension(m_choices.kind));
        // Beside the grid, named after it.
        const FileDialogRequest request{QString::fromLatin1(kExportFileDialogTitle),
                                        QString::fromLatin1(exportFileFilter(m_choices.kind)),
                                        extension, m_view.gridFolder(),
                                        m_view.gridFileName(extension)};
        m_view.setToolWindowsEnabled(false);
        const std::optional<QString> chosen =
            m_view.dialogs().saveFileName(m_view.window(), request);
        m_view.setToolWindowsEnabled(true);
        if (!chosen)
            return;
        fileName = QFile::encodeName(*chosen).toStdString();
    }

    GridOutput* output = m_view.grid().output();
    const bool done =
        output && output->exportGrid(m_choices.destination, fileName, m_choices.kind,
                                     m_choices.includeNumbers, m_choices.includeAnswers);
    if (!done)
        m_view.showMessage(QString::fromLatin1(kExportFailedCaption),
                           QString::fromLatin1(kExportFailedMessage), MessageButtons::Ok,
                           MessageIcon::Exclamation);
}

}  // namespace tessaran
