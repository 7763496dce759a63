// quorvex-hotkey-host: hosts one hot-key control created by its ProgID over
// a saved property-bag file. By default it shows the control's property
// pages at design time and writes the bag back on OK or Apply; with --run
// it hosts the control at run time and prints each event on its own line.
#include "hotkey/HotKeyClasses.h"
#include "hotkey/host/PropertyPagesDialog.h"
#include "hotkey/pages/DispatchPropertyTarget.h"
#include "hotkey/pages/HotKeyGeneralPage.h"
#include "platform/component/Container.h"
#include "platform/component/Control.h"
#include "platform/component/MemoryPropertyBag.h"
#include "platform/component/Runtime.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

using namespace quorvex::platform::component;
namespace hk = quorvex::hotkey;

namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "quorvex-hotkey-host: %s\n", message.c_str());
    return 2;
}

// "true"/"false" become booleans, whole numbers integers, anything else text.
Variant valueFromText(const QString& text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return Variant::boolean(true);
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return Variant::boolean(false);
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return Variant(static_cast<int32_t>(number));
    return Variant(text.toStdU16String());
}

struct HostedControl {
    Ref<IDispatch> dispatch;
    Ref<IOleObject> embedding;
    Ref<IPersistPropertyBag> persistence;
};

HostedControl create(const std::string& progId, IOleClientSite* site, std::string* error)
{
    HostedControl hosted;
    const auto clsid = classIdFromProgId(progId, error);
    if (!clsid)
        return hosted;
    Ref<IUnknown> object;
    if (failed(createInstance(*clsid, IUnknown::kIid, object.putVoid(), error)))
        return hosted;
    hosted.embedding = queryInterface<IOleObject>(object);
    hosted.persistence = queryInterface<IPersistPropertyBag>(object);
    hosted.dispatch = queryInterface<IDispatch>(object);
    if (!hosted.embedding || !hosted.persistence || !hosted.dispatch) {
        *error = progId + " is not a control with property-bag persistence";
        hosted = {};
        return hosted;
    }
    // Controls expect their site before their data.
    hosted.embedding->setClientSite(site);
    return hosted;
}

std::vector<hk::PropertyPage*> pagesFor(IDispatch* control)
{
    std::vector<hk::PropertyPage*> pages;
    std::vector<Guid> ids;
    auto specify = queryInterface<ISpecifyPropertyPages>(control);
    if (!specify || failed(specify->getPages(&ids)))
        return pages;
    for (const Guid& id : ids) {
        if (id == hk::kGeneralCoPageClsid)
            pages.push_back(new hk::GeneralCo);
        else if (id == hk::kGeneralPageClsid)
            pages.push_back(new hk::General);
    }
    return pages;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvex-hotkey-host"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hosts a hot-key control over a saved property bag."));
    parser.addHelpOption();
    const QCommandLineOption progIdOption(QStringLiteral("progid"), QStringLiteral("Class to create."),
                                          QStringLiteral("progid"), QString::fromUtf8(hk::kHotKeyCoReceiverProgId.data(),
                                                                                   hk::kHotKeyCoReceiverProgId.size()));
    const QCommandLineOption bagOption(QStringLiteral("bag"), QStringLiteral("Saved property-bag file."),
                                       QStringLiteral("file"));
    const QCommandLineOption setOption(QStringLiteral("set"), QStringLiteral("Sets a property after loading."),
                                       QStringLiteral("name=value"));
    const QCommandLineOption runOption(QStringLiteral("run"),
                                       QStringLiteral("Run time: print HotKeyDown/HotKeyUp lines."));
    const QCommandLineOption aboutOption(QStringLiteral("about"), QStringLiteral("Shows the about box."));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Quit after this long."),
                                           QStringLiteral("seconds"));
    parser.addOptions({progIdOption, bagOption, setOption, runOption, aboutOption, secondsOption});
    parser.process(application);

    const bool runTime = parser.isSet(runOption);
    const std::string progId = parser.value(progIdOption).toStdString();
    const QString bagPath = parser.value(bagOption);

    auto bag = MemoryPropertyBag::create();
    const bool haveSavedData = !bagPath.isEmpty() && QFileInfo::exists(bagPath);
    std::string error;
    if (haveSavedData && !bag->loadFromFile(bagPath.toStdString(), &error))
        return fail(bagPath.toStdString() + ": " + error);

    auto site = AmbientSite::create(runTime);
    HostedControl control = create(progId, site.get(), &error);
    if (!control.dispatch)
        return fail(error);
    const HResult loaded = haveSavedData ? control.persistence->load(bag.get()) : control.persistence->initNew();
    if (failed(loaded))
        return fail("the control did not load its saved data");

    for (const QString& assignment : parser.values(setOption)) {
        const auto equals = assignment.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return fail("--set wants name=value, not " + assignment.toStdString());
        const std::string name = assignment.left(equals).toStdString();
        const HResult status = setProperty(control.dispatch.get(), name, valueFromText(assignment.mid(equals + 1)));
        if (failed(status))
            return fail(name + ": " + hk::DispatchPropertyTarget::errorText(status).toStdString());
    }

    if (parser.isSet(secondsOption))
        QTimer::singleShot(static_cast<int>(parser.value(secondsOption).toDouble() * 1000), &application,
                           &QCoreApplication::quit);

    int result = 0;
    if (parser.isSet(aboutOption)) {
        callMethod(control.dispatch.get(), "AboutMe");
    } else if (runTime) {
        Guid sourceIid = hk::kHotKeyCoReceiverEventsIid;
        if (auto info = queryInterface<IProvideClassInfo2>(control.dispatch))
            info->getDefaultSourceIid(&sourceIid);
        auto sink = EventSink::create(sourceIid, [](DispId event, std::span<const Variant>) {
            std::printf("%s\n", event == hk::kHotKeyDownEvent ? "HotKeyDown" : "HotKeyUp");
            std::fflush(stdout);
        });
        uint32_t cookie = 0;
        if (failed(connectEvents(control.dispatch.get(), sourceIid, sink.get(), &cookie)))
            return fail("the control raises no events");
        std::fprintf(stderr, "quorvex-hotkey-host: watching\n");
        result = application.exec();
        disconnectEvents(control.dispatch.get(), sourceIid, cookie);
    } else {
        std::vector<hk::PropertyPage*> pages = pagesFor(control.dispatch.get());
        if (pages.empty())
            return fail(progId + " offers no property pages");
        hk::DispatchPropertyTarget target(control.dispatch.get());
        auto save = [&] {
            if (bagPath.isEmpty())
                return;
            auto out = MemoryPropertyBag::create();
            std::string saveError;
            if (failed(control.persistence->save(out.get(), true, false))
                || !out->saveToFile(bagPath.toStdString(), &saveError))
                std::fprintf(stderr, "quorvex-hotkey-host: cannot save %s: %s\n", qPrintable(bagPath),
                             saveError.c_str());
        };
        hk::PropertyPagesDialog dialog(QString::fromStdString(progId) + QStringLiteral(" Properties"), pages, save);
        for (hk::PropertyPage* page : pages)
            page->setSelectedControls({&target});
        result = dialog.exec() == QDialog::Accepted ? 0 : 1;
    }
    control.embedding->close();
    return result;
}
