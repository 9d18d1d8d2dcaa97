// The lookup's three ways, each against a real receiver: a service on the session bus
// (run under dbus-run-session), a window on an X display (run under xvfb-run) and a
// program that records the arguments it was started with. Without a bus or a display the
// tests that need one are skipped, saying why.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <thread>
#include <tuple>

#include "ScriptedDialogsWindows.h"
#include "app/DictionaryLookupWindows.h"
#include "app/GridViewWindows.h"
#include "app/IniFile.h"
#include "app/X11WindowCommandWindows.h"

#ifdef TESSARAN_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace tessaran {
namespace {

constexpr const char* kService = "org.tessaran.TestWordbook";

// The lookup with its failure message answered by the dialog seam.
struct LookupFixture {
    ScriptedDialogsWindows dialogs;
    GridViewWindows view{dialogs};
    DictionaryLookupWindows lookup{view};

    bool lookUp(const std::string& word, const std::string& ini) {
        std::istringstream in(ini);
        lookup.setTable(readLookupTable(IniFile::read(in)));
        return lookup.lookUp(word);
    }
};

// Waits up to five seconds for a file that a started program writes.
QByteArray awaitFile(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path) && timer.elapsed() < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString recorderLine(const QString& output) {
    return QStringLiteral("\"%1\" \"%2\" %s").arg(QStringLiteral(TESSARAN_LOOKUP_RECORDER), output);
}

// ---- The session bus ----

// A dictionary program on the bus: Lookup(word) takes the word, Fail(word) refuses it.
// It answers on a connection and thread of its own, as another program would, while the
// test's thread waits for the reply.
class WordbookObject : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != QLatin1String(kService))
            return false;
        if (message.member() == QLatin1String("Lookup")) {
            QMutexLocker lock(&mutex);
            words << message.arguments().value(0).toString();
            connection.send(message.createReply());
            return true;
        }
        if (message.member() == QLatin1String("Fail")) {
            connection.send(message.createErrorReply(QStringLiteral("org.tessaran.Error.Refused"),
                                                     QStringLiteral("no")));
            return true;
        }
        return false;
    }
    QStringList received() {
        QMutexLocker lock(&mutex);
        return words;
    }

private:
    QMutex mutex;
    QStringList words;
};

class WordbookService : public QThread {
public:
    WordbookObject object;
    bool registered = false;
    ~WordbookService() override {
        quit();
        wait();
    }
    void startAndWait() {
        object.moveToThread(this);
        start();
        ready.acquire();
    }

protected:
    void run() override {
        {
            QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                                QStringLiteral("wordbook"));
            registered =
                bus.registerService(QLatin1String(kService)) &&
                bus.registerVirtualObject(QStringLiteral("/org/tessaran/TestWordbook"), &object);
            ready.release();
            exec();
            bus.unregisterObject(QStringLiteral("/org/tessaran/TestWordbook"));
            bus.unregisterService(QLatin1String(kService));
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("wordbook"));
        object.moveToThread(QCoreApplication::instance()->thread());
    }

private:
    QSemaphore ready;
};

TEST(LookupTransports, ServiceCallsReachAServiceOnTheSessionBus) {
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus (run under dbus-run-session)";
    WordbookService service;
    service.startAndWait();
    ASSERT_TRUE(service.registered);
    LookupFixture f;

    EXPECT_EQ(f.lookup.callService(kService, "Lookup", "RIVER"), ServiceCallResult::Success);
    EXPECT_EQ(f.lookup.callService(kService, "/elsewhere Lookup", "X"),
              ServiceCallResult::NoConversation);  // no object there
    EXPECT_EQ(
        f.lookup.callService(
            kService, "/org/tessaran/TestWordbook " + std::string(kService) + ".Lookup", "CAF\xE9"),
        ServiceCallResult::Success);
    EXPECT_EQ(service.object.received(), (QStringList{"RIVER", QStringLiteral("CAF\u00E9")}));
    EXPECT_EQ(f.lookup.callService(kService, "Missing", "X"), ServiceCallResult::NoConversation);
    EXPECT_EQ(f.lookup.callService("org.tessaran.Nobody", "Lookup", "X"),
              ServiceCallResult::NoConversation);
    EXPECT_EQ(f.lookup.callService(kService, "Fail", "X"), ServiceCallResult::CallFailed);

    // Two working entries both receive the word; the failing ones do not matter.
    QTemporaryDir temp;
    const QString output = temp.filePath(QStringLiteral("words"));
    EXPECT_TRUE(f.lookUp("OTTER",
                         "[Lookup]\n"
                         "DDEService1=org.tessaran.TestWordbook\nDDETopic1=Fail\n"
                         "DDEService2=org.tessaran.TestWordbook\nDDETopic2=Lookup\n"
                         "LookupCommand3=" +
                             recorderLine(output).toStdString() + "\n"));
    EXPECT_EQ(service.object.received().last(), QStringLiteral("OTTER"));
    EXPECT_EQ(awaitFile(output), QByteArray("OTTER\n"));
    EXPECT_TRUE(f.dialogs.messages.empty());

    // A service with no topic is never called.
    EXPECT_FALSE(f.lookUp("NEWT", "[Lookup]\nDDEService1=org.tessaran.TestWordbook\n"));
    EXPECT_EQ(service.object.received().last(), QStringLiteral("OTTER"));
    EXPECT_EQ(f.dialogs.lastCaption(), QStringLiteral("Dictionary Lookup Failure"));
}

// ---- An X display ----

#ifdef TESSARAN_HAVE_XCB
// A top-level window with a title, and the client messages it receives.
class TitledWindow {
public:
    explicit TitledWindow(const std::string& title) {
        m_c = xcb_connect(nullptr, nullptr);
        connectionError = xcb_connection_has_error(m_c);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_window = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                            8, static_cast<uint32_t>(title.size()), title.data());
        xcb_map_window(m_c, m_window);
        xcb_aux_sync();
    }
    ~TitledWindow() { xcb_disconnect(m_c); }
    xcb_window_t id() const { return m_window; }
    int connectionError = 0;

    // The next client message within two seconds: (type name, first and second field).
    std::optional<std::tuple<std::string, uint32_t, uint32_t>> nextClientMessage() {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 2000) {
            xcb_generic_event_t* event = xcb_poll_for_event(m_c);
            if (!event) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                continue;
            }
            std::optional<std::tuple<std::string, uint32_t, uint32_t>> found;
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                xcb_get_atom_name_reply_t* name =
                    xcb_get_atom_name_reply(m_c, xcb_get_atom_name(m_c, message->type), nullptr);
                std::string type;
                if (name)
                    type.assign(xcb_get_atom_name_name(name),
                                static_cast<size_t>(xcb_get_atom_name_name_length(name)));
                std::free(name);
                found = std::make_tuple(type, message->data.data32[0], message->data.data32[1]);
            }
            std::free(event);
            if (found)
                return found;
        }
        return std::nullopt;
    }

private:
    void xcb_aux_sync() {
        std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
    }

    xcb_connection_t* m_c;
    xcb_window_t m_window;
};
#endif

TEST(LookupTransports, AWindowFoundByItsTitleGetsTheCommandAndTheClipboardTheWord) {
#ifndef TESSARAN_HAVE_XCB
    GTEST_SKIP() << "built without xcb: the window way never finds a window";
#else
    // The window first: an X server that loses its last client resets itself, and a
    // connection made meanwhile fails.
    if (qgetenv("DISPLAY").isEmpty())
        GTEST_SKIP() << "no X display (run under xvfb-run)";
    TitledWindow wordbook("Tessaran Test Wordbook");
    if (wordbook.connectionError != 0)
        GTEST_SKIP() << "the X display " << qgetenv("DISPLAY").toStdString()
                     << " cannot be reached";
    ASSERT_TRUE(X11WindowCommandWindows::isAvailable());
    EXPECT_EQ(X11WindowCommandWindows::findWindow("Tessaran Test Wordbook"), wordbook.id());
    EXPECT_EQ(X11WindowCommandWindows::findWindow("Tessaran Test"), 0u);  // exactly the title

    LookupFixture f;
    EXPECT_TRUE(f.lookUp("HERON",
                         "[Lookup]\nMessageWindow1=Tessaran Test Wordbook\n"
                         "MessageCommand1=-7\n"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("HERON"));
    const auto message = wordbook.nextClientMessage();
    ASSERT_TRUE(message);
    EXPECT_EQ(std::get<0>(*message), kX11MenuCommandAtom);
    EXPECT_EQ(static_cast<int32_t>(std::get<1>(*message)), -7);  // sent unchanged

    // Command 0 makes no attempt even though the window exists; no window, no success.
    QApplication::clipboard()->clear();
    EXPECT_FALSE(f.lookUp("HERON",
                          "[Lookup]\nMessageWindow1=Tessaran Test Wordbook\n"
                          "MessageCommand1=0\n"
                          "MessageWindow2=No Such Wordbook\nMessageCommand2=5\n"));
    EXPECT_FALSE(wordbook.nextClientMessage());
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
#endif
}

// ---- A command line ----

TEST(LookupTransports, ACommandLineStartsTheProgramWithTheWordAsOneArgument) {
    QTemporaryDir temp;
    const QString output = temp.filePath(QStringLiteral("words"));
    LookupFixture f;
    // Latin-1 from the grid, UTF-8 for the program; blanks and shell syntax stay inside.
    EXPECT_TRUE(f.lookUp("CAF\xE9 $(AU) LAIT",
                         "[Lookup]\nLookupCommand2=" + recorderLine(output).toStdString() + "\n"));
    EXPECT_EQ(awaitFile(output), QByteArray("CAF\xC3\xA9 $(AU) LAIT\n"));
    EXPECT_TRUE(f.dialogs.messages.empty());

    // A program that cannot be started is a failed attempt.
    EXPECT_FALSE(f.lookUp("X", "[Lookup]\nLookupCommand1=/nonexistent/wordbook %s\n"));
    EXPECT_EQ(f.dialogs.lastCaption(), QStringLiteral("Dictionary Lookup Failure"));
    EXPECT_EQ(f.dialogs.lastText(),
              QStringLiteral("No supported dictionary is running.\nPlease start the dictionary "
                             "you wish\nto use, then try the command again"));
}

}  // namespace
}  // namespace tessaran
