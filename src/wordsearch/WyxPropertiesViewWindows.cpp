#include "wordsearch/WyxPropertiesViewWindows.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/DialogsWindows.h"
#include "output/PainterSurfaceWindows.h"
#include "wordsearch/MatchEngine.h"

namespace tessaran {
namespace {

// What the expansions hold: the file keeps at most this much of a value.
constexpr int kExpansionLength = 254;

std::string toModel(const QString& text) {
    return text.toLatin1().toStdString();
}

QString fromModel(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FontSpec wyxFontFromChoice(const FontSpec& base, const QFont& font, const QColor& colour,
                           int pixelsPerInch) {
    FontSpec spec = base;
    int pixels = font.pixelSize();
    if (pixels <= 0)
        pixels = static_cast<int>(std::lround(font.pointSizeF() * pixelsPerInch / 72.0));
    spec.height = -std::max(1, pixels);
    spec.width = 0;
    spec.weight = font.weight();
    spec.italic = font.italic() ? 1 : 0;
    spec.underline = font.underline() ? 1 : 0;
    spec.strikeOut = font.strikeOut() ? 1 : 0;
    std::string face = toModel(font.family());
    face.erase(std::remove_if(face.begin(), face.end(),
                              [](char c) { return c == ',' || c == '\n' || c == '\r'; }),
               face.end());
    if (face.size() > FontSpec::kMaxFaceName)
        face.resize(FontSpec::kMaxFaceName);
    spec.faceName = face;
    spec.colour = rgb(colour.red(), colour.green(), colour.blue());
    return spec;
}

WyxPropertiesViewWindows::WyxPropertiesViewWindows(DialogsWindows& dialogs,
                                                   const WyxSettings& settings,
                                                   std::string settingsPath, QWidget* parent)
    : QDialog(parent),
      m_dialogs(dialogs),
      m_settingsPath(std::move(settingsPath)),
      m_patternFont(settings.patternFont),
      m_outputFont(settings.outputFont) {
    setObjectName(QStringLiteral("wyxProperties"));
    setWindowTitle(tr("Wyx Properties"));

    const auto spin = [this](const char* name, int value) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(1, MatchEngine::kLongestWord);
        box->setValue(value);
        return box;
    };
    m_shortest = spin("wyxMinimum", settings.shortest);
    m_longest = spin("wyxMaximum", settings.longest);
    auto* range = new QGroupBox(tr("Length range searched"), this);
    auto* rangeForm = new QFormLayout(range);
    rangeForm->addRow(tr("Minimum letters:"), m_shortest);
    rangeForm->addRow(tr("Maximum letters:"), m_longest);

    m_at = new QLineEdit(fromModel(settings.at), this);
    m_at->setObjectName(QStringLiteral("wyxAt"));
    m_at->setMaxLength(kExpansionLength);
    m_hash = new QLineEdit(fromModel(settings.hash), this);
    m_hash->setObjectName(QStringLiteral("wyxHash"));
    m_hash->setMaxLength(kExpansionLength);
    auto* expansions = new QGroupBox(tr("Pattern expansions"), this);
    auto* expansionForm = new QFormLayout(expansions);
    expansionForm->addRow(tr("@ becomes:"), m_at);
    expansionForm->addRow(tr("# becomes:"), m_hash);

    m_patternFontButton = new QPushButton(this);
    m_patternFontButton->setObjectName(QStringLiteral("wyxPatternFont"));
    m_outputFontButton = new QPushButton(this);
    m_outputFontButton->setObjectName(QStringLiteral("wyxMatchesFont"));
    auto* fonts = new QGroupBox(tr("Fonts"), this);
    auto* fontForm = new QFormLayout(fonts);
    fontForm->addRow(tr("Pattern:"), m_patternFontButton);
    fontForm->addRow(tr("Matches:"), m_outputFontButton);
    showFont(m_patternFont, m_patternFontButton);
    showFont(m_outputFont, m_outputFontButton);

    m_sorted = new QCheckBox(tr("Sorted"), this);
    m_sorted->setObjectName(QStringLiteral("wyxSorted"));
    m_sorted->setChecked(settings.sorted);
    auto* view = new QGroupBox(tr("Matches"), this);
    auto* viewColumn = new QVBoxLayout(view);
    viewColumn->addWidget(m_sorted);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("wyxOk"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("wyxCancel"));
    QPushButton* save = buttons->addButton(tr("&Save As Defaults"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("wyxSaveDefaults"));
    QPushButton* help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("wyxPropertiesHelp"));

    auto* grid = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(range);
    left->addWidget(view);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(expansions);
    right->addWidget(fonts);
    right->addStretch(1);
    grid->addLayout(left);
    grid->addLayout(right, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, [this] { saveAsDefaults(); });
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpContext); });
    connect(m_patternFontButton, &QPushButton::clicked, this,
            [this] { chooseFont(m_patternFont, m_patternFontButton); });
    connect(m_outputFontButton, &QPushButton::clicked, this,
            [this] { chooseFont(m_outputFont, m_outputFontButton); });
}

WyxSettings WyxPropertiesViewWindows::settings() const {
    WyxSettings s;
    s.shortest = m_shortest->value();
    s.longest = m_longest->value();
    s.at = toModel(m_at->text());
    s.hash = toModel(m_hash->text());
    s.patternFont = m_patternFont;
    s.outputFont = m_outputFont;
    s.sorted = m_sorted->isChecked();
    return s;
}

bool WyxPropertiesViewWindows::saveAsDefaults() {
    if (settings().save(m_settingsPath) == FileReplaceResult::Done)
        return true;
    m_dialogs.message(this, windowTitle(),
                      tr("The settings could not be written to %1.")
                          .arg(QFile::decodeName(QByteArray::fromStdString(m_settingsPath))),
                      MessageButtons::Ok, MessageIcon::Exclamation);
    return false;
}

void WyxPropertiesViewWindows::showFont(const FontSpec& font, QPushButton* button) {
    button->setText(
        QString::fromLatin1(button == m_patternFontButton ? kPatternSample : kMatchSample));
    button->setFont(qtFontWindows(font, logicalDpiY()));
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, qtColourWindows(font.colour));
    button->setPalette(palette);
}

void WyxPropertiesViewWindows::chooseFont(FontSpec& font, QPushButton* button) {
    const FontChoice initial{qtFontWindows(font, logicalDpiY()), qtColourWindows(font.colour)};
    const std::optional<FontChoice> chosen = m_dialogs.chooseFont(this, initial);
    if (!chosen)
        return;
    font = wyxFontFromChoice(font, chosen->font, chosen->colour, logicalDpiY());
    showFont(font, button);
}

}  // namespace tessaran
