#include "app/DictionaryLookupWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QProcess>
#include <QStringList>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"
#include "app/X11WindowCommandWindows.h"
#include "dictionary/Dictionary.h"

namespace tessaran {
namespace {

QString fromModel(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Settings files are written in the desktop's encoding (UTF-8); names in them are text.
QString fromSettings(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

DictionaryLookupWindows::DictionaryLookupWindows(GridViewWindows& gridView, QObject* parent)
    : QObject(parent), m_gridView(gridView) {
    m_gridView.setCommandHandler(command::Lookup, [this] { lookUpSelectedLight(); });
}

DictionaryLookupWindows::~DictionaryLookupWindows() {
    m_gridView.setCommandHandler(command::Lookup, {});
}

void DictionaryLookupWindows::lookUpSelectedLight() {
    lookUpLight(m_gridView.selectedLight(), &Dictionary::instance());
}

bool DictionaryLookupWindows::lookUpText(const QString& word) {
    return lookUp(word.toLatin1().toStdString());
}

void DictionaryLookupWindows::putTextOnClipboard(const QString& text) {
    if (QClipboard* clipboard = QApplication::clipboard())
        clipboard->setText(text);
}

ServiceCallResult DictionaryLookupWindows::callService(const std::string& service,
                                                       const std::string& topic,
                                                       const std::string& word) {
    const std::optional<BusMethod> method = busMethodFor(service, topic);
    if (!method)
        return ServiceCallResult::NoConversation;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return ServiceCallResult::NoBus;
    QDBusMessage call = QDBusMessage::createMethodCall(
        fromSettings(method->service), fromSettings(method->path), fromSettings(method->interface),
        fromSettings(method->method));
    call << fromModel(word);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kServiceCallTimeoutMilliseconds);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return ServiceCallResult::Success;
    switch (QDBusError(reply).type()) {
        case QDBusError::ServiceUnknown:
        case QDBusError::UnknownObject:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownMethod:
            return ServiceCallResult::NoConversation;
        default:
            return ServiceCallResult::CallFailed;
    }
}

bool DictionaryLookupWindows::sendWindowCommand(const std::string& title, int command,
                                                const std::string& word) {
    const std::uint32_t window = X11WindowCommandWindows::findWindow(title);
    if (window == 0)
        return false;
    putTextOnClipboard(fromModel(word));
    // The message counts as delivered once the window was found, as the word is on the
    // clipboard for a program that watches it.
    X11WindowCommandWindows::sendCommand(window, command);
    return true;
}

bool DictionaryLookupWindows::runCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return false;
    QStringList rest;
    for (size_t i = 1; i < arguments.size(); ++i)
        rest << fromSettings(arguments[i]);
    return QProcess::startDetached(fromSettings(arguments.front()), rest);
}

void DictionaryLookupWindows::reportFailure() {
    m_gridView.showMessage(
        QString::fromLatin1(kLookupFailureCaption.data(), kLookupFailureCaption.size()),
        QString::fromLatin1(kLookupFailureText.data(), kLookupFailureText.size()),
        MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace tessaran
