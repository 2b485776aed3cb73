// kwhost's import must give the plug-in the very document a user would have drawn: the cut file of
// an imported drawing is byte for byte the one of the same drawing built directly in the host.
#include "standin/core/environment.h"

#include "hostapi/messages.h"
#include "kwhost_fixture.h"
#include "standin/core/host.h"
#include "standin/model/dialog_user.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/shapes.h"

namespace kwtest {
namespace {

constexpr char kDrawing[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg"
    xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
    width="200pt" height="100pt" viewBox="0 0 200 100">
  <g inkscape:groupmode="layer" inkscape:label="Cut">
    <rect id="box" x="10" y="10" width="40" height="20"/>
    <path id="hook" d="M100,50 C100,30 140,30 140,50" fill="none" stroke="#000"/>
  </g>
</svg>)svg";

// The same drawing in page points (y up from the bottom edge), worked out by hand.
void BuildByHand(standin::Host& host) {
  standin::DocumentBuilder doc(host.Documents());
  doc.Page(200, 100).Layer("Cut");
  doc.Path("box",
           {standin::CornerPoint(10, 90), standin::CornerPoint(50, 90),
            standin::CornerPoint(50, 70), standin::CornerPoint(10, 70)},
           true);
  AIPathSegment start{}, end{};
  start.p = start.in = {100, 50};
  start.out = {100, 70};
  start.corner = 1;
  end.p = end.out = {140, 50};
  end.in = {140, 70};
  end.corner = 1;
  doc.Path("hook", {start, end}, false);
}

TEST_F(KwhostRun, CutFileOfAnImportedDrawingEqualsTheOneOfTheDrawingBuiltByHand) {
  const RunResult run = Run({Drawing(kDrawing), "--press", "cut"});
  const std::string imported = ReadFile(CutFilePath(run.out));
  ASSERT_FALSE(imported.empty()) << run.out << run.err;

  const std::string log = (Folder() / "activity.log").string();
  {
    const standin::ScopedEnvironment activityLog("KW_ACTIVITY_LOG", log);
    standin::Host host;
    BuildByHand(host);
    ASSERT_EQ(host.Startup(), kNoErr);
    host.NotifyType(hostapi::kAIApplicationStartedNotifier);
    standin::DialogUser user(host);
    ASSERT_TRUE(user.Press(user.FindDialog("KerfworksPluginDialog"), 16)) << user.LastError();
    host.NotifyType(hostapi::kAIApplicationShutdownNotifier);
    host.Shutdown();
    EXPECT_TRUE(host.Leftovers().empty());
  }
  const std::string activity = ReadFile(log);
  ASSERT_EQ(activity.rfind("file ", 0), 0u) << activity;
  const std::string byHand = ReadFile(activity.substr(5, activity.find('\n') - 5));
  EXPECT_EQ(imported, byHand);
  EXPECT_NE(imported.find("100.000000 50.000000 m"), std::string::npos) << imported;
}

}  // namespace
}  // namespace kwtest
