#include "platform/qt/dbus/qt_status_notifier.h"

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QXmlStreamReader>
#include <map>
#include <string>
#include <vector>

#include "support/fake_clock.h"
#include "support/fake_form.h"
#include "window/window.h"
#include "window/window_design.h"

namespace quendal::qt {
namespace {

// A member of an interface as its description has it: a property's type, or a method's
// arguments in and out, each as one signature.
struct Member {
    std::string kind;  // "property", "method" or "signal"
    std::string in;
    std::string out;
};

// The members of `interface` in an introspection, which the adaptors take whole from the
// interfaces' descriptions in src/platform/qt/dbus/interfaces/.
std::map<std::string, Member> membersOf(const QString& xml, const QString& interface) {
    QXmlStreamReader reader(xml);
    std::map<std::string, Member> members;
    std::string current;
    bool inInterface = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = reader.name();
        const auto attribute = [&](const char* key) {
            return reader.attributes().value(QLatin1String(key)).toString().toStdString();
        };
        if (name == QLatin1String("interface")) {
            inInterface = reader.attributes().value(QLatin1String("name")) == interface;
        } else if (!inInterface) {
            continue;
        } else if (name == QLatin1String("property")) {
            members[attribute("name")] = {"property", "", attribute("type")};
        } else if (name == QLatin1String("method") || name == QLatin1String("signal")) {
            current = attribute("name");
            members[current] = {name.toString().toStdString(), "", ""};
        } else if (name == QLatin1String("arg")) {
            Member& member = members[current];
            (attribute("direction") == "in" ? member.in : member.out) += attribute("type");
        }
    }
    return members;
}

// The signature of what a variant holds, as it went over the bus.
std::string signatureOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        return value.value<QDBusArgument>().currentSignature().toStdString();
    }
    if (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        return "v";
    }
    return QDBusMetaType::typeToSignature(value.metaType());
}

// The tray's objects on the test's own session bus, called from a second connection as a
// desktop's tray calls them: every member of the two interfaces is there, and every
// answer has the signature the interface gives, the structures the tray's types make
// included.
TEST(StatusNotifier, EveryMemberAnswersWithTheSignatureItsInterfaceGives) {
    testing::FakeClock clock;
    testing::FakeBeeper beeper;
    testing::FakeFormHost host{windowDesign()};
    Window window{host, clock, beeper};
    ASSERT_EQ(host.run(), 0);
    host.timer("Prog").fires();
    EnglishWords words;
    Speech speech{windowDesign(), host, words};
    StatusNotifier notifier(
        windowDesign(), host, speech, std::nullopt, [] { return WId{7}; }, [] {});
    notifier.item().offer(host.form().reading(), host.form().modes());
    QDBusConnection tray =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("tray"));
    ASSERT_TRUE(tray.isConnected());
    const QString service = QDBusConnection::sessionBus().baseService();

    // Sample arguments for each method that takes any: the menu's ids are its own.
    const std::map<std::string, QVariantList> arguments = {
        {"Activate", {0, 0}},
        {"SecondaryActivate", {0, 0}},
        {"ContextMenu", {0, 0}},
        {"Scroll", {1, QStringLiteral("vertical")}},
        {"ProvideXdgActivationToken", {QStringLiteral("token")}},
        {"GetLayout", {0, -1, QStringList{}}},
        {"GetGroupProperties", {QVariant::fromValue(QList<int>{1}), QStringList{}}},
        {"GetProperty", {1, QStringLiteral("label")}},
        {"Event", {1, QStringLiteral("hovered"), QVariant::fromValue(QDBusVariant(0)), 0u}},
        {"EventGroup",
         {QVariant::fromValue(MenuEvents{{1, QStringLiteral("hovered"), QDBusVariant(0), 0}})}},
        {"AboutToShow", {0}},
        {"AboutToShowGroup", {QVariant::fromValue(QList<int>{1})}},
    };
    const struct {
        QString path;
        QString interface;
    } interfaces[] = {
        {ItemObject::kPath, QStringLiteral("org.kde.StatusNotifierItem")},
        {MenuObject::kPath, QStringLiteral("com.canonical.dbusmenu")},
    };
    for (const auto& i : interfaces) {
        const QDBusMessage introspected =
            tray.call(QDBusMessage::createMethodCall(
                          service, i.path, QStringLiteral("org.freedesktop.DBus.Introspectable"),
                          QStringLiteral("Introspect")),
                      QDBus::BlockWithGui);
        const QString xml = introspected.arguments().value(0).toString();
        EXPECT_FALSE(xml.contains(QStringLiteral("deleteLater"))) << "only the interfaces' members";
        const auto members = membersOf(xml, i.interface);
        ASSERT_GT(members.size(), 10U) << i.interface.toStdString();
        for (const auto& [name, member] : members) {
            QDBusMessage call;
            if (member.kind == "property") {
                call = QDBusMessage::createMethodCall(
                    service, i.path, QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("Get"));
                call << i.interface << QString::fromStdString(name);
            } else if (member.kind == "method") {
                call = QDBusMessage::createMethodCall(service, i.path, i.interface,
                                                      QString::fromStdString(name));
                const auto sample = arguments.find(name);
                ASSERT_TRUE(sample != arguments.end() || member.in.empty()) << name;
                if (sample != arguments.end()) {
                    call.setArguments(sample->second);
                }
            } else {
                continue;
            }
            const QDBusMessage answer = tray.call(call, QDBus::BlockWithGui);
            ASSERT_EQ(answer.type(), QDBusMessage::ReplyMessage)
                << name << ": " << answer.errorMessage().toStdString();
            if (member.kind == "property") {
                EXPECT_EQ(signatureOf(answer.arguments().value(0).value<QDBusVariant>().variant()),
                          member.out)
                    << name;
            } else {
                EXPECT_EQ(answer.signature().toStdString(), member.out) << name;
            }
        }
    }
}

}  // namespace
}  // namespace quendal::qt

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
