#include "app/GridStatisticsViewWindows.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"

namespace tessaran {
namespace {

bool isList(StatisticsField field) {
    return field == StatisticsField::ConsecutivelyUnchedLights ||
           field == StatisticsField::OverunchedLights ||
           field == StatisticsField::UnderunchedLights;
}

QString fieldName(StatisticsField field) {
    static const char* const kNames[kStatisticsFieldCount] = {
        "columns",           "rows",
        "acrossLights",      "downLights",
        "totalLights",       "averageLightLength",
        "uncheckedCells",    "checkedCells",
        "checking",          "consecutivelyUnchedLights",
        "overunchedLights",  "underunchedLights",
        "lightDistribution",
    };
    return QString::fromLatin1(kNames[static_cast<int>(field)]);
}

// A read-only text of the given number of lines that wraps between light labels.
QPlainTextEdit* makeTextField(QWidget* parent, int lines) {
    auto* text = new QPlainTextEdit(parent);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // The plain text layout keeps the document margin above the first line only.
    const int frame = 2 * text->frameWidth() + static_cast<int>(text->document()->documentMargin());
    const int lineHeight = text->fontMetrics().lineSpacing();
    text->setFixedHeight(lines * lineHeight + frame);
    return text;
}

}  // namespace

QString GridStatisticsViewWindows::displayText(const std::string& text) {
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QChar::fromLatin1(GridStatistics::kBarCharacter), barCharacter());
    // Light labels are separated by ";" alone; a space lets the lists wrap between them.
    shown.replace(QStringLiteral(";"), QStringLiteral("; "));
    if (shown.endsWith(QLatin1Char(' ')))
        shown.chop(1);
    return shown;
}

GridStatisticsViewWindows::GridStatisticsViewWindows(GridViewWindows& gridView, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_gridView(gridView) {
    setObjectName(QStringLiteral("gridStatisticsWindow"));
    setWindowTitle(tr("Grid Statistics"));

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(12);
    auto* lists = new QVBoxLayout;
    for (int i = 0; i < kStatisticsFieldCount; ++i) {
        const auto field = static_cast<StatisticsField>(i);
        const QString label = QString::fromLatin1(GridStatistics::label(field));
        if (isList(field)) {
            auto* group = new QGroupBox(label, this);
            QPlainTextEdit* text = makeTextField(group, 2);
            auto* groupLayout = new QVBoxLayout(group);
            groupLayout->addWidget(text);
            lists->addWidget(group);
            m_fields[i] = text;
        } else if (field == StatisticsField::LightDistribution) {
            QPlainTextEdit* text = makeTextField(this, 6);
            text->setLineWrapMode(QPlainTextEdit::NoWrap);
            text->setMinimumWidth(text->fontMetrics().horizontalAdvance(
                QString(12, barCharacter()) + QStringLiteral(" (99@15)")));
            auto* caption = new QLabel(label, this);
            lists->addWidget(caption);
            lists->addWidget(text);
            m_fields[i] = text;
        } else {
            // Two columns of figures: size and lights left, cells and checking right.
            const int column = i < static_cast<int>(StatisticsField::UncheckedCells) ? 0 : 2;
            const int row = column == 0 ? i : i - static_cast<int>(StatisticsField::UncheckedCells);
            auto* value = new QLabel(this);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
            figures->addWidget(new QLabel(label, this), row, column);
            figures->addWidget(value, row, column + 1);
            m_fields[i] = value;
        }
        m_fields[i]->setObjectName(fieldName(field));
    }
    figures->setColumnMinimumWidth(1, 40);
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(3, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    m_help->setObjectName(QStringLiteral("help"));
    m_help->setEnabled(false);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_help, &QPushButton::clicked, this, [this] {
        if (m_helpHandler)
            m_helpHandler(command::Statistics);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(figures);
    layout->addLayout(lists);
    layout->addWidget(buttons);

    connect(&m_gridView, &GridViewWindows::gridModified, this, [this] {
        if (isVisible())
            recompute();
    });
    recompute();
}

void GridStatisticsViewWindows::setHelpHandler(std::function<void(int)> handler) {
    m_helpHandler = std::move(handler);
    m_help->setEnabled(static_cast<bool>(m_helpHandler));
}

void GridStatisticsViewWindows::showWindow() {
    recompute();
    show();
    raise();
    activateWindow();
}

void GridStatisticsViewWindows::recompute() {
    const GridStatistics statistics(m_gridView.grid());
    for (int i = 0; i < kStatisticsFieldCount; ++i) {
        const QString text = displayText(statistics.text(static_cast<StatisticsField>(i)));
        if (auto* label = qobject_cast<QLabel*>(m_fields[i]))
            label->setText(text);
        else if (auto* edit = qobject_cast<QPlainTextEdit*>(m_fields[i]);
                 edit && edit->toPlainText() != text)
            edit->setPlainText(text);
    }
}

QString GridStatisticsViewWindows::fieldText(StatisticsField field) const {
    QWidget* widget = m_fields[static_cast<int>(field)];
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    return static_cast<QPlainTextEdit*>(widget)->toPlainText();
}

}  // namespace tessaran
