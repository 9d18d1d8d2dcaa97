#include "app/KillListViewWindows.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"
#include "dictionary/Dictionary.h"
#include "fill/FillChoice.h"
#include "grid/Grid.h"

namespace tessaran {
namespace {

// The edit takes a word of at most this many characters.
constexpr int kEditLength = 32;

}  // namespace

KillListViewWindows::KillListViewWindows(GridViewWindows& gridView, QWidget* parent)
    : PropertiesViewWindows(gridView, tr("Kill List"), parent) {
    setObjectName(QStringLiteral("killList"));

    m_words = new QListWidget(this);
    m_words->setObjectName(QStringLiteral("killWords"));
    m_words->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_words->setSortingEnabled(true);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("killWordEdit"));
    m_edit->setMaxLength(kEditLength);
    m_add = new QPushButton(tr("Add"), this);
    m_add->setObjectName(QStringLiteral("killAdd"));
    m_delete = new QPushButton(tr("Delete"), this);
    m_delete->setObjectName(QStringLiteral("killDelete"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("killClose"));
    auto* help = new QPushButton(tr("&Help"), this);
    help->setObjectName(QStringLiteral("killHelp"));

    auto* editRow = new QHBoxLayout;
    editRow->addWidget(m_edit, 1);
    editRow->addWidget(m_add);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_words, 1);
    column->addLayout(editRow);
    column->addLayout(buttons);

    connect(m_edit, &QLineEdit::textChanged, this, [this] { updateButtons(); });
    connect(m_edit, &QLineEdit::returnPressed, this, [this] { addWord(); });
    connect(m_words, &QListWidget::itemSelectionChanged, this, [this] { updateButtons(); });
    connect(m_add, &QPushButton::clicked, this, [this] { addWord(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteSelected(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(command::KillList); });
    updateButtons();
}

void KillListViewWindows::load() {
    // The list is the kill list's words; rebuilt only when they differ, so that the
    // selection survives the grid's other changes.
    KillListWindows& killList = gridView().killList();
    QStringList words;
    for (const std::string& word : killList.words())
        words.append(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    words.sort();
    QStringList shown;
    for (int i = 0; i < m_words->count(); ++i)
        shown.append(m_words->item(i)->text());
    if (shown != words) {
        m_words->clear();
        m_words->addItems(words);
    }
    updateButtons();
}

void KillListViewWindows::updateButtons() {
    m_add->setEnabled(!m_edit->text().isEmpty());
    m_delete->setEnabled(!m_words->selectedItems().isEmpty());
}

void KillListViewWindows::addWord() {
    const QString text = m_edit->text();
    if (text.isEmpty())
        return;
    // The word as the fill sees it: the dictionary's letters in their display form.
    if (!gridView().ensureDictionary(true))
        return;
    const std::string word =
        killListSpelling(Dictionary::instance(), text.toLatin1().toStdString());
    applyChange([&] {
        KillListWindows& killList = gridView().killList();
        if (!word.empty() && !killList.contains(word)) {
            killList.add(word);
            gridView().grid().refresh();
        }
    });
    m_edit->clear();
}

void KillListViewWindows::deleteSelected() {
    QList<QListWidgetItem*> selected = m_words->selectedItems();
    if (selected.isEmpty())
        return;
    std::vector<std::string> words;
    for (const QListWidgetItem* item : selected)
        words.push_back(item->text().toLatin1().toStdString());
    applyChange([&] {
        // From the last selected to the first, as the list shows them.
        for (auto it = words.rbegin(); it != words.rend(); ++it)
            gridView().killList().remove(*it);
        gridView().grid().refresh();
    });
    updateButtons();
}

}  // namespace tessaran
