#include "QtDocumentBrowser.h"

#include "QtConvert.h"
#include "QtPeerSupport.h"
#include "platform/Control.h"

#include <QFileInfo>
#include <QTimer>

namespace qtplatform {

QtDocumentBrowser::QtDocumentBrowser(platform::Browser& control, QWidget* parent)
    : QTextBrowser(parent), control_(control)
{
    setOpenLinks(true);
    setOpenExternalLinks(false);
    viewport()->setCursor(Qt::ArrowCursor);
    applyAll(this, control_);
    control_.attach(this);
    connect(this, &QTextBrowser::sourceChanged, this, [this] { finishLoad(); });
}

void QtDocumentBrowser::propertyChanged(platform::Property property) { applyCommon(this, control_, property); }

void QtDocumentBrowser::navigateTo(const std::string& address)
{
    QString path = toQString(address);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    busy_ = true;
    const QFileInfo info(path);
    if (info.isFile() && info.isReadable()) {
        setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    } else {
        setHtml(QStringLiteral("<html><head><title>Page not found</title></head><body><h3>This page cannot be "
                               "shown.</h3><p>%1</p></body></html>")
                    .arg(path.toHtmlEscaped()));
        QTimer::singleShot(0, this, [this] { finishLoad(); });
    }
}

void QtDocumentBrowser::finishLoad()
{
    busy_ = false;
    control_.raiseDownloadComplete();
}

void QtDocumentBrowser::stopLoading() { busy_ = false; }

std::string QtDocumentBrowser::currentName() const
{
    const QString title = documentTitle();
    if (!title.isEmpty())
        return toStdString(title);
    return toStdString(QFileInfo(source().path()).fileName());
}

std::string QtDocumentBrowser::currentUrl() const { return toStdString(source().toString()); }

void QtDocumentBrowserPeer::navigate(const std::string& address)
{
    if (view_)
        view_->navigateTo(address);
}

void QtDocumentBrowserPeer::goBack()
{
    if (view_)
        view_->backward();
}

void QtDocumentBrowserPeer::goForward()
{
    if (view_)
        view_->forward();
}

void QtDocumentBrowserPeer::refresh()
{
    if (view_)
        view_->reload();
}

void QtDocumentBrowserPeer::stop()
{
    if (view_)
        view_->stopLoading();
}

bool QtDocumentBrowserPeer::busy() const { return view_ && view_->isBusy(); }

std::string QtDocumentBrowserPeer::locationName() const { return view_ ? view_->currentName() : std::string(); }

std::string QtDocumentBrowserPeer::locationUrl() const { return view_ ? view_->currentUrl() : std::string(); }

} // namespace qtplatform
