#pragma once

#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "qtplatform/QtPlatform.h"
#include "qtplatform/help/DocumentBrowserView.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace browsertest {

// Runs the event loop until done() holds or the time is up. The bound is generous:
// it only keeps a broken build from hanging.
inline bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// The Qt platform with message boxes recorded instead of shown, finding the program's
// pages in the build's program directory. The end of the program is recorded too:
// leaving the event loop would stop every later wait of the test run.
class RecordingQtPlatform : public qtplatform::QtPlatform {
public:
    std::string appPath() const override { return GLIMMERKIN_BIN_DIR; }
    void messageBox(const std::string& text, const std::string& title) override
    {
        boxes.push_back(title + ": " + text);
    }
    void quit() override { ++quits; }
    std::vector<std::string> boxes;
    int quits = 0;
};

// A window that holds one document browser and counts its DownloadComplete events.
class PageForm : public platform::Form {
public:
    explicit PageForm(platform::Runtime& runtime)
        : Form(runtime, "frmPage"), browser(*this, "brwPage", platform::BrowserRole::Document)
    {
        browser.onDownloadComplete = [this] { ++completions; };
    }
    platform::Browser browser;
    int completions = 0;

protected:
    void layout() override
    {
        style().clientWidth = 6000;
        style().clientHeight = 4500;
        browser.setGeometry(0, 0, 6000, 4500);
    }
};

// A loaded PageForm on the Qt platform, with a temporary directory for its pages.
class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        runtime = std::make_unique<platform::Runtime>(qtPlatform);
        form = std::make_unique<PageForm>(*runtime);
        form->show();
        ASSERT_NE(dynamic_cast<qtplatform::DocumentBrowserView*>(form->browser.peer()), nullptr);
    }
    void TearDown() override
    {
        // Unloaded first, as the program does, so that no widget outlives its control.
        form->unload();
        form.reset();
        runtime.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    qtplatform::DocumentBrowserView& view()
    {
        return *dynamic_cast<qtplatform::DocumentBrowserView*>(form->browser.peer());
    }
    platform::Browser& browser() { return form->browser; }

    // Writes a file into the temporary directory and returns its path.
    std::string write(const QString& name, const QByteArray& content)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return dir.filePath(name).toStdString();
    }
    static QByteArray page(const QString& title, const QString& body = {})
    {
        return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>").arg(title, body).toUtf8();
    }

    // Waits until the load under way has ended with a DownloadComplete.
    bool loadEnds(int completionsBefore, int timeoutMs = 10000)
    {
        return waitFor([&] { return form->completions > completionsBefore && !browser().busy(); }, timeoutMs);
    }
    // Opens an address and waits for its load to end.
    void open(const std::string& address)
    {
        const int before = form->completions;
        browser().navigate(address);
        ASSERT_TRUE(loadEnds(before)) << address.substr(0, 200);
    }

    QTemporaryDir dir;
    RecordingQtPlatform qtPlatform;
    std::unique_ptr<platform::Runtime> runtime;
    std::unique_ptr<PageForm> form;
};

// A small web server on the loopback interface. Each path answers with a canned
// response, or not at all.
class WebServer {
public:
    WebServer()
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }
    std::string url(const char* path) const
    {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    // Without a length, the body ends where the server closes the connection.
    void serve(const QByteArray& path, const QByteArray& contentType, const QByteArray& body, bool withLength = true)
    {
        const QByteArray length = withLength ? "Content-Length: " + QByteArray::number(body.size()) + "\r\n" : "";
        responses_[path] =
            "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nConnection: close\r\n" + length + "\r\n" + body;
    }
    // Accepts the request and never answers.
    void stall(const QByteArray& path) { responses_[path] = QByteArray(); }
    int requests() const { return requests_; }

private:
    void answer(QTcpSocket* socket)
    {
        const QByteArray request = socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++requests_;
        const QByteArray path = request.split(' ').value(1);
        const QByteArray response = responses_.value(
            path,
            "HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: 0\r\n\r\n");
        if (response.isEmpty())
            return;
        socket->write(response);
        socket->disconnectFromHost();
    }
    QTcpServer server_;
    QHash<QByteArray, QByteArray> responses_;
    int requests_ = 0;
};

} // namespace browsertest
