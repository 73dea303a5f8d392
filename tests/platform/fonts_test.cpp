#include "platform/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <gtest/gtest.h>

namespace vz {
namespace {

// A designed face is asked for by the family Qt would draw it in, so Qt need not search the font
// configuration for a name that is not installed.
TEST(Fonts, ADesignedFaceResolvesToTheFamilyItIsDrawnIn) {
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    const QString installed = families.front();
    const QString missing = QStringLiteral("Vz No Such Face");
    QFont::insertSubstitutions(QStringLiteral("Vz Designed Face"),
                               {missing, installed.toLower(), families.back()});
    QFont::insertSubstitutions(QStringLiteral("Vz Unmatched Face"), {missing});
    const struct {
        QString designed, drawnIn;
    } cases[] = {
        {installed, installed},
        // Spelled as installed, whatever the case it was asked for in.
        {installed.toUpper(), installed},
        // The first installed substitute, as Qt picks.
        {QStringLiteral("Vz Designed Face"), installed},
        // Nothing installed to stand in: Qt is left to find a face for the name.
        {QStringLiteral("Vz Unmatched Face"), QStringLiteral("Vz Unmatched Face")},
        {missing, missing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.designed.toStdString());
        EXPECT_EQ(installedFamily(c.designed), c.drawnIn);
    }
}

} // namespace
} // namespace vz
