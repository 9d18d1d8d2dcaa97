#include "app/PropertiesViewWindows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/DialogsWindows.h"
#include "app/GridViewWindows.h"
#include "app/Settings.h"
#include "grid/Grid.h"
#include "output/PainterSurfaceWindows.h"

namespace tessaran {

// ---- PVWCheckBox ----

PVWCheckBox::PVWCheckBox(const QString& label, QWidget* parent) : QCheckBox(label, parent) {
    connect(this, &QCheckBox::clicked, this, &PVWCheckBox::toggledByUser);
}

void PVWCheckBox::setTicked(bool ticked) {
    if (isChecked() != ticked)
        setChecked(ticked);
}

// ---- PVWEnumeration ----

PVWEnumeration::PVWEnumeration(const QStringList& texts, QWidget* parent) : QComboBox(parent) {
    addItems(texts);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Lists fill their column, so that a form's controls share one right edge.
    setSizePolicy(QSizePolicy::Expanding, sizePolicy().verticalPolicy());
    connect(this, &QComboBox::activated, this, &PVWEnumeration::chosen);
}

void PVWEnumeration::setValue(int value) {
    setCurrentIndex(value >= 0 && value < count() ? value : -1);
}

// ---- PVWEdit ----

PVWEdit::PVWEdit(int maxLength, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(maxLength);
    // The grid keeps its texts in Latin-1: a character it cannot hold is not taken,
    // rather than stored as a "?" the user never typed.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{20}-\\x{7e}\\x{a0}-\\x{ff}]*")), this));
    connect(this, &QLineEdit::textEdited, this, &PVWEdit::edited);
    connect(this, &QLineEdit::editingFinished, this, &PVWEdit::finished);
}

void PVWEdit::showText(const QString& text) {
    if (this->text() != text)
        setText(text);
}

// ---- PVWSpin ----

PVWSpin::PVWSpin(int maxLength, QWidget* parent) : QAbstractSpinBox(parent) {
    lineEdit()->setMaxLength(maxLength);
    setAccelerated(true);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, &PVWSpin::edited);
}

QString PVWSpin::text() const {
    return lineEdit()->text();
}

void PVWSpin::showText(const QString& text) {
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void PVWSpin::stepBy(int steps) {
    if (steps != 0)
        emit stepped(steps);
}

// ---- PVWColourButton ----

PVWColourButton::PVWColourButton(DialogsWindows& dialogs, QWidget* parent)
    : QPushButton(parent), m_dialogs(dialogs) {
    connect(this, &QPushButton::clicked, this, &PVWColourButton::choose);
}

void PVWColourButton::setColour(Colour colour) {
    if (colour == m_colour)
        return;
    m_colour = colour;
    setToolTip(QString::fromStdString(formatColour(colour)));
    update();
}

void PVWColourButton::choose() {
    const std::optional<QColor> chosenColour =
        m_dialogs.chooseColour(window(), qtColourWindows(m_colour));
    if (!chosenColour || !chosenColour->isValid())
        return;
    setColour(rgb(chosenColour->red(), chosenColour->green(), chosenColour->blue()));
    emit chosen(m_colour);
}

QSize PVWColourButton::sizeHint() const {
    const int h = QPushButton::sizeHint().height();
    return {3 * h, h};
}

void PVWColourButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const int inset = std::max(4, height() / 5);
    const QRect swatch = rect().adjusted(inset, inset, -inset, -inset);
    // A disabled window (nothing selected) shows no colour at all.
    if (!isEnabled())
        return;
    painter.fillRect(swatch, qtColourWindows(m_colour));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

// ---- Fonts ----

QFont screenFontWindows(const FontSpec& font, ScreenScale scale, int pixelsPerInchY) {
    FontSpec screen = font;
    screen.height = scaleFontLength(font.height, scale.vertical);
    screen.width = scaleFontLength(font.width, scale.horizontal);
    return qtFontWindows(screen, pixelsPerInchY);
}

FontSpec fontSpecFromChoice(const FontSpec& base, const QFont& chosen, const QColor& colour,
                            ScreenScale scale, int pixelsPerInchY) {
    FontSpec spec = base;
    int pixels = chosen.pixelSize();
    if (pixels <= 0) {
        const qreal points = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : 9.0;
        pixels = static_cast<int>(std::lround(points * pixelsPerInchY / 72.0));
    }
    // A negative height asks for the em size, the measure a chooser's size gives.
    spec.height = unscaleFontLength(-std::max(1, pixels), scale.vertical);
    spec.width = 0;
    spec.weight = std::clamp(static_cast<int>(chosen.weight()), 1, 1000);
    spec.italic = chosen.italic() ? 1 : 0;
    spec.underline = chosen.underline() ? 1 : 0;
    spec.strikeOut = chosen.strikeOut() ? 1 : 0;
    if (colour.isValid())
        spec.colour = rgb(colour.red(), colour.green(), colour.blue());
    // The chooser knows only installed faces: a face that merely stands in for the stored
    // one (DejaVu Sans for "System") keeps the stored name.
    if (qtFontWindows(base, pixelsPerInchY).family() != chosen.family()) {
        std::string face = chosen.family().toLatin1().toStdString();
        face.erase(std::remove_if(face.begin(), face.end(),
                                  [](char c) { return c == ',' || c == '\r' || c == '\n'; }),
                   face.end());
        if (face.size() > FontSpec::kMaxFaceName)
            face.resize(FontSpec::kMaxFaceName);
        spec.faceName = face;
    }
    return spec;
}

PVWFontButton::PVWFontButton(DialogsWindows& dialogs, QWidget* parent)
    : QPushButton(parent), m_dialogs(dialogs) {
    connect(this, &QPushButton::clicked, this, &PVWFontButton::choose);
    updateSample();
}

void PVWFontButton::setFont(const FontSpec& font) {
    if (font == m_font)
        return;
    m_font = font;
    updateSample();
}

void PVWFontButton::setScale(ScreenScale scale) {
    if (scale.horizontal == m_scale.horizontal && scale.vertical == m_scale.vertical)
        return;
    m_scale = scale;
    updateSample();
}

void PVWFontButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateSample();
}

void PVWFontButton::updateSample() {
    const QFont sample = screenFontWindows(m_font, m_scale, logicalDpiY());
    QWidget::setFont(sample);
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, qtColourWindows(m_font.colour));
    setPalette(p);
    const QString face = QString::fromLatin1(m_font.faceName);
    // A disabled window (nothing selected) shows no font at all.
    setText(!isEnabled() ? QString() : face.isEmpty() ? tr("Sample") : face);
    setToolTip(tr("%1, %2 pt").arg(face).arg(std::abs(m_font.height) / 20.0, 0, 'g', 3));
    updateGeometry();
}

void PVWFontButton::choose() {
    const FontChoice initial{screenFontWindows(m_font, m_scale, logicalDpiY()),
                             qtColourWindows(m_font.colour)};
    const std::optional<FontChoice> choice = m_dialogs.chooseFont(window(), initial);
    if (!choice)
        return;
    setFont(fontSpecFromChoice(m_font, choice->font, choice->colour, m_scale, logicalDpiY()));
    emit chosen(m_font);
}

QSize PVWFontButton::sizeHint() const {
    QSize size = QPushButton::sizeHint();
    size.setWidth(std::max(size.width(), 8 * fontMetrics().averageCharWidth() + 24));
    return size;
}

// ---- PVWSymmetry ----

namespace {

const char* const kSymmetryNames[PVWSymmetry::kTypeCount] = {
    QT_TRANSLATE_NOOP("PVWSymmetry", "None"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "Half turn"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "Quarter turn"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "Left-right mirror"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "Half turn and diagonals"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "Half turn and mirrors"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "All eight"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "Main diagonal"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "Top-bottom mirror"),
    QT_TRANSLATE_NOOP("PVWSymmetry", "Other diagonal"),
};

QStringList symmetryNames() {
    QStringList names;
    for (const char* name : kSymmetryNames)
        names << QCoreApplication::translate("PVWSymmetry", name);
    return names;
}

}  // namespace

PVWSymmetry::PVWSymmetry(QWidget* parent) : PVWEnumeration(symmetryNames(), parent) {
    const int size = std::max(36, 5 * fontMetrics().height() / 2);
    setIconSize(QSize(size, size));
    for (int type = 0; type < kTypeCount; ++type)
        setItemIcon(type, QIcon(picture(type, size)));
}

QPixmap PVWSymmetry::picture(int symmetryType, int size) {
    // The partners come from a small grid under the type itself, so the picture shows
    // what editing will really do.
    constexpr int kCells = 7;
    Grid grid;
    grid.setDimensions(kCells, kCells);
    grid.setting(GridSetting::Symmetry).setOverride(symmetryType);
    // An across light of three cells and a down light of two hanging from its start: no
    // symmetry maps this shape onto itself, so every partner shows.
    const LightSpec seeds[] = {{1, 0, 3, 0, 1, 0}, {1, 1, 1, 2, 0, 1}};
    std::vector<std::vector<int>> shade(kCells, std::vector<int>(kCells, 0));
    for (const LightSpec& seed : seeds) {
        const std::vector<LightSpec> partners = grid.symmetryList(seed);
        for (size_t i = 0; i < partners.size(); ++i) {
            const LightSpec& s = partners[i];
            const int level = i == 0 ? 2 : 1;
            for (int k = 0, n = s.length(); k < n; ++k) {
                const int column = s.startColumn + k * s.stepColumn;
                const int row = s.startRow + k * s.stepRow;
                if (row >= 0 && row < kCells && column >= 0 && column < kCells)
                    shade[row][column] = std::max(shade[row][column], level);
            }
        }
    }

    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const int cell = (size - 1) / kCells;
    const int origin = (size - cell * kCells) / 2;
    const QColor colours[] = {Qt::white, QColor(150, 170, 220), QColor(20, 40, 120)};
    for (int row = 0; row < kCells; ++row)
        for (int column = 0; column < kCells; ++column)
            painter.fillRect(origin + column * cell, origin + row * cell, cell, cell,
                             colours[shade[row][column]]);
    painter.setPen(QColor(160, 160, 160));
    for (int i = 0; i <= kCells; ++i) {
        painter.drawLine(origin + i * cell, origin, origin + i * cell, origin + kCells * cell);
        painter.drawLine(origin, origin + i * cell, origin + kCells * cell, origin + i * cell);
    }
    return pixmap;
}

// ---- Save As Defaults ----

QDialogButtonBox* settingsDialogButtonsWindows(QDialog& dialog, std::function<void()> apply,
                                               std::function<void()> saveAsDefaults,
                                               std::function<void()> showHelp, QPushButton** help) {
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QObject::tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QObject::tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    QPushButton* applyButton =
        buttons->addButton(QObject::tr("&Apply"), QDialogButtonBox::ApplyRole);
    applyButton->setObjectName(QStringLiteral("apply"));
    QPushButton* save =
        buttons->addButton(QObject::tr("&Save As Defaults"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveAsDefaults"));
    QPushButton* helpButton = buttons->addButton(QObject::tr("&Help"), QDialogButtonBox::HelpRole);
    helpButton->setObjectName(QStringLiteral("help"));
    helpButton->setEnabled(false);
    // Return in a field means OK, never one of the other buttons.
    for (QPushButton* button : {cancel, applyButton, save, helpButton})
        button->setAutoDefault(false);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog, apply] {
        apply();
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(applyButton, &QPushButton::clicked, &dialog, [apply] { apply(); });
    QObject::connect(save, &QPushButton::clicked, &dialog, [saveAsDefaults] { saveAsDefaults(); });
    QObject::connect(helpButton, &QPushButton::clicked, &dialog, [showHelp] { showHelp(); });
    if (help)
        *help = helpButton;
    return buttons;
}

bool saveAsDefaultsWindows(GridViewWindows& gridView, Settings& settings,
                           FileReplaceResult (Settings::*group)()) {
    const FileReplaceResult result = (settings.*group)();
    // The grid's overrides of the group are now its defaults: nothing looks different,
    // but the property windows show the boxes cleared.
    gridView.viewChanged();
    emit gridView.gridModified();
    if (result == FileReplaceResult::Done)
        return true;
    gridView.showMessage(QObject::tr("Save As Defaults"),
                         QObject::tr("The defaults could not be written to %1.")
                             .arg(QString::fromLocal8Bit(settings.iniPath())),
                         MessageButtons::Ok, MessageIcon::Exclamation);
    return false;
}

// ---- PropertiesViewWindows ----

PropertiesViewWindows::PropertiesViewWindows(GridViewWindows& gridView, const QString& title,
                                             QWidget* parent)
    : QWidget(parent, Qt::Tool), m_gridView(gridView) {
    setWindowTitle(title);
    gridView.addToolWindow(this);
    // The window follows the grid and the selection while it is open.
    const auto follow = [this] {
        if (!m_applying)
            m_typing = nullptr;
        if (isVisible())
            reload();
    };
    connect(&gridView, &GridViewWindows::gridModified, this, follow);
    connect(&gridView, &GridViewWindows::selectionChanged, this, follow);
    connect(&gridView, &GridViewWindows::gridShapeChanged, this, follow);
}

void PropertiesViewWindows::showWindow() {
    reload();
    if (!m_placed)
        placeBesideOwner();
    show();
    raise();
    activateWindow();
}

void PropertiesViewWindows::placeBesideOwner() {
    m_placed = true;
    QWidget* owner = parentWidget();
    if (!owner || !owner->isVisible())
        return;
    // Beside the main window's right edge, each further open window a little lower, and
    // kept on the screen when the main window fills it.
    int open = 0;
    for (const PropertiesViewWindows* other : owner->findChildren<PropertiesViewWindows*>())
        open += other != this && other->isVisible();
    adjustSize();
    const QRect frame = owner->frameGeometry();
    QPoint place(frame.right() + 8, frame.top() + 40 * open);
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        place.setX(std::clamp(place.x(), available.left(),
                              std::max(available.left(), available.right() - width())));
        place.setY(std::clamp(place.y(), available.top(),
                              std::max(available.top(), available.bottom() - height())));
    }
    move(place);
}

void PropertiesViewWindows::reload() {
    if (m_loading)
        return;
    m_loading = true;
    load();
    m_loading = false;
}

void PropertiesViewWindows::applyChange(const std::function<void()>& change,
                                        const QObject* typing) {
    if (m_loading || m_applying)
        return;
    m_applying = true;
    Grid& grid = m_gridView.grid();
    if (m_takesCheckpoints) {
        // A keystroke continuing a run in the same edit, with nothing else changed since,
        // belongs to the run's checkpoint.
        const bool continuing = typing && typing == m_typing && grid.canUndo();
        if (!continuing)
            grid.checkpoint();
    }
    m_typing = typing;
    change();
    m_applying = false;
    reload();
}

void PropertiesViewWindows::endTyping() {
    if (!m_typing)
        return;
    m_typing = nullptr;
    reload();
}

ScreenScale PropertiesViewWindows::screenScale() const {
    return ScreenScale::forScreen(m_gridView.logicalDpiX(), m_gridView.logicalDpiY(),
                                  m_gridView.viewSettings().zoomPercent());
}

QGridLayout* PropertiesViewWindows::addForm(QWidget* parent) {
    auto* form = new QGridLayout(parent);
    form->setColumnStretch(1, 1);
    return form;
}

void PropertiesViewWindows::addRow(QGridLayout* form, QWidget* label, QWidget* control) {
    const int row = form->rowCount();
    form->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    form->addWidget(control, row, 1);
}

void PropertiesViewWindows::addRow(QGridLayout* form, const QString& label, QWidget* control) {
    auto* text = new QLabel(label);
    text->setBuddy(control);
    // Plain labels line up with the text of the check box labels beside them.
    QStyleOptionButton option;
    option.initFrom(text);
    const int indent =
        text->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, text).left();
    text->setIndent(std::max(0, indent));
    addRow(form, text, control);
}

void PropertiesViewWindows::alignForms(std::initializer_list<QGridLayout*> forms) {
    int width = 0;
    for (QGridLayout* form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* item = form->itemAtPosition(row, 0))
                width = std::max(width, item->sizeHint().width());
    for (QGridLayout* form : forms)
        form->setColumnMinimumWidth(0, width);
}

QGroupBox* PropertiesViewWindows::addGroup(const QString& title, const QString& objectName,
                                           QGridLayout** form, QPushButton** saveButton) {
    auto* group = new QGroupBox(title);
    group->setObjectName(objectName);
    auto* column = new QVBoxLayout(group);
    *form = new QGridLayout;
    (*form)->setColumnStretch(1, 1);
    column->addLayout(*form);
    auto* save = new QPushButton(tr("Save As Defaults"), group);
    save->setObjectName(objectName + QStringLiteral("SaveAsDefaults"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(save);
    column->addLayout(buttonRow);
    *saveButton = save;
    return group;
}

std::string PropertiesViewWindows::modelText(const QString& text) {
    return text.toLatin1().toStdString();
}

QString PropertiesViewWindows::shownText(const std::optional<std::string>& text) {
    return QString::fromLatin1(text.value_or(std::string()));
}

// ---- SelectionWindowsBase ----

SelectionWindowsBase::SelectionWindowsBase(GridViewWindows& gridView, const QString& title,
                                           QWidget* parent)
    : PropertiesViewWindows(gridView, title, parent), m_title(title) {
    m_page = named(new QWidget(this), "content");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_page);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* column = new QVBoxLayout(m_page);
    m_form = new QGridLayout;
    m_form->setColumnStretch(1, 1);
    column->addLayout(m_form);
}

void SelectionWindowsBase::showNoSelection() {
    setWindowTitle(m_title);
    for (PVWCheckBox* box : m_page->findChildren<PVWCheckBox*>())
        box->setTicked(false);
    for (PVWEnumeration* list : m_page->findChildren<PVWEnumeration*>())
        list->setValue(-1);
    for (PVWEdit* edit : m_page->findChildren<PVWEdit*>())
        edit->showText(QString());
    m_page->setEnabled(false);
}

void SelectionWindowsBase::showSelection(const QString& title) {
    setWindowTitle(title);
    m_page->setEnabled(true);
}

void SelectionWindowsBase::changeSelection(const std::function<void()>& change,
                                           const QObject* typing) {
    applyChange(
        [this, &change] {
            change();
            gridView().grid().refresh();
        },
        typing);
}

void SelectionWindowsBase::showOwn(PVWCheckBox* box, PVWColourButton* button,
                                   const std::optional<Colour>& own, Colour inherited) {
    box->setTicked(own.has_value());
    button->setColour(own.value_or(inherited));
}

void SelectionWindowsBase::showOwn(PVWCheckBox* box, PVWFontButton* button,
                                   const std::optional<FontSpec>& own, const FontSpec& inherited) {
    box->setTicked(own.has_value());
    button->setScale(screenScale());
    button->setFont(own.value_or(inherited));
}

void SelectionWindowsBase::showOwn(PVWCheckBox* box, PVWEdit* edit,
                                   const std::optional<std::string>& own,
                                   const std::optional<std::string>& inherited) {
    box->setTicked(own.has_value());
    showEdit(edit, own ? own : inherited);
}

void SelectionWindowsBase::showEdit(PVWEdit* edit, const std::optional<std::string>& text) {
    if (!isTyping(edit))
        edit->showText(shownText(text));
}

}  // namespace tessaran
