#include "QtPlatform.h"

#include "Conversions.h"
#include "PreciseTimerPeer.h"
#include "Translations.h"
#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Timer.h"
#include "qtplatform/audio/SdlAudioOutput.h"
#include "qtplatform/help/DocumentBrowserView.h"
#include "qtplatform/widgets/Accessibility.h"
#include "qtplatform/widgets/FormWindowPeer.h"
#include "qtplatform/widgets/X11Window.h"
#include "sound/MediaPageBrowser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <chrono>

namespace qtplatform {

namespace {

// Tells the sound output, which holds its first sound back until then, that the first
// window has been drawn: the call is posted, so it comes once the controls are drawn too.
class FirstFrameWatch : public QObject {
    Q_OBJECT
public:
    explicit FirstFrameWatch(SdlAudioOutput& audio) : audio_(audio)
    {
        audio.setWindowPending(true);
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { audio_.setWindowPending(false); });
        }
        return false;
    }

private:
    SdlAudioOutput& audio_;
};

} // namespace

QtPlatform::QtPlatform()
    : blockedClose_(std::make_unique<BlockedCloseFilter>()), audio_(std::make_unique<SdlAudioOutput>()),
      firstFrame_(std::make_unique<FirstFrameWatch>(*audio_))
{
    installAccessibility();
}

QtPlatform::~QtPlatform() = default;

QString programDirectory()
{
    const QString path = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    return path.isEmpty() ? QCoreApplication::applicationDirPath() : path;
}

std::string QtPlatform::appPath() const { return toStdString(QDir::toNativeSeparators(programDirectory())); }

void QtPlatform::messageBox(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    // Some styles decorate dialog buttons with icons; this box shows none at all.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setIcon(QIcon());
    // Enter and Space press OK; Esc too, as on any box with one button.
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

std::unique_ptr<platform::WindowPeer> QtPlatform::createWindow(platform::Form& form)
{
    return std::make_unique<FormWindowPeer>(form);
}

std::unique_ptr<platform::TimerPeer> QtPlatform::createTimer(platform::Timer& timer)
{
    return std::make_unique<PreciseTimerPeer>(timer);
}

std::unique_ptr<platform::BrowserPeer> QtPlatform::createBrowser(platform::Browser& browser)
{
    if (browser.role() == platform::BrowserRole::MediaPlayer)
        return std::make_unique<sound::MediaPageBrowser>(browser, audio_->channel());
    // A document browser is a view inside its window, which this platform made.
    return createDocumentBrowser(browser, *static_cast<FormWindowPeer*>(browser.form().peer())->widget());
}

std::uint64_t QtPlatform::clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

void QtPlatform::quit() { QCoreApplication::exit(0); }

std::string QtPlatform::translate(const char* context, const char* source) const
{
    return toStdString(QCoreApplication::translate(context, source));
}

std::string QtPlatform::translationLanguage() const { return toStdString(loadedLanguage()); }

} // namespace qtplatform

#include "QtPlatform.moc"
