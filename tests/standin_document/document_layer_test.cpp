#include <stdexcept>

#include "suite_fixture.h"

namespace kwtest {
namespace {

using standin::DocumentBuilder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DocumentLayerTest : public DocumentSuitesTest {};

TEST_F(DocumentLayerTest, WithoutADocumentTheDocumentAndLayerSuitesSaySo) {
  InHost([&] {
    AIDocumentHandle handle = reinterpret_cast<AIDocumentHandle>(1);
    AIDocumentSetup setup{};
    AIRealPoint origin{};
    AILayerHandle layer = nullptr;
    int32_t count = 5;
    EXPECT_EQ(kNoDocumentErr, document->GetDocument(&handle));
    EXPECT_EQ(nullptr, handle);
    EXPECT_EQ(kNoDocumentErr, document->GetDocumentSetup(&setup));
    EXPECT_EQ(kNoDocumentErr, document->GetDocumentRulerOrigin(&origin));
    EXPECT_EQ(kNoDocumentErr, document->RedrawDocument());
    EXPECT_EQ(kNoDocumentErr, layers->GetCurrentLayer(&layer));
    EXPECT_EQ(kNoDocumentErr, layers->CountLayers(&count));
    EXPECT_EQ(0, count);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(DocumentLayerTest, PageSetupRulerOriginAndRedrawsAreTheDocuments) {
  DocumentBuilder doc(host.Documents());
  doc.Page(595.2756f, 841.8898f).RulerOrigin(-10.5f, 20);
  InHost([&] {
    AIDocumentHandle handle = nullptr;
    AIDocumentSetup setup{};
    AIRealPoint origin{};
    EXPECT_EQ(kNoErr, document->GetDocument(&handle));
    EXPECT_EQ(View().Doc().handle, handle);
    EXPECT_EQ(kNoErr, document->GetDocumentSetup(&setup));
    EXPECT_EQ(595.2756f, setup.width);
    EXPECT_EQ(841.8898f, setup.height);
    EXPECT_EQ(kNoErr, document->GetDocumentRulerOrigin(&origin));
    EXPECT_EQ(-10.5f, origin.h);
    EXPECT_EQ(20.0f, origin.v);
    EXPECT_EQ(kNoErr, document->RedrawDocument());
    EXPECT_EQ(kNoErr, document->RedrawDocument());
  });
  EXPECT_EQ(2, View().Doc().redraws);
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(DocumentLayerTest, LayersAreNumberedTopmostFirstWithTheChosenCurrentLayer) {
  DocumentBuilder doc(host.Documents());
  doc.Layer("Bottom").Layer("Middle").Layer("Top").CurrentLayer("Middle");
  InHost([&] {
    int32_t count = 0;
    ASSERT_EQ(kNoErr, layers->CountLayers(&count));
    ASSERT_EQ(3, count);
    std::vector<std::string> titles;
    for (int32_t i = 0; i < count; ++i) {
      AILayerHandle layer = nullptr;
      ASSERT_EQ(kNoErr, layers->GetNthLayer(i, &layer));
      char title[8];
      ASSERT_EQ(kNoErr, layers->GetLayerTitle(layer, title, sizeof title));
      titles.push_back(title);
    }
    EXPECT_THAT(titles, ElementsAre("Top", "Middle", "Bottom"));
    AILayerHandle current = nullptr;
    EXPECT_EQ(kNoErr, layers->GetCurrentLayer(&current));
    EXPECT_EQ(View().Layer("Middle"), current);
    char tiny[4];
    EXPECT_EQ(kNoErr, layers->GetLayerTitle(current, tiny, sizeof tiny));
    EXPECT_STREQ("Mid", tiny);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(DocumentLayerTest, BadLayerRequestsAreRecorded) {
  DocumentBuilder doc(host.Documents());
  InHost([&] {
    AILayerHandle layer = nullptr;
    char title[8];
    EXPECT_EQ(kBadParameterErr, layers->GetNthLayer(1, &layer));
    EXPECT_EQ(kBadParameterErr, layers->GetNthLayer(-1, &layer));
    EXPECT_EQ(kBadParameterErr, layers->GetLayerTitle(nullptr, title, sizeof title));
    EXPECT_EQ(kBadParameterErr, layers->GetLayerTitle(View().Layer("Layer 1"), title, 0));
    EXPECT_EQ(kBadParameterErr, document->GetDocumentSetup(nullptr));
  });
  EXPECT_EQ(5u, Misbehaviour().size());
}

TEST_F(DocumentLayerTest, TheBuilderRefusesWhatNoDocumentCouldHold) {
  DocumentBuilder doc(host.Documents());
  doc.Rectangle("same", 0, 0, 1, 1);
  EXPECT_THROW(doc.Rectangle("same", 0, 0, 1, 1), std::logic_error);
  doc.BeginCompoundPath("cp");
  EXPECT_THROW(doc.Text("inside"), std::logic_error);
  EXPECT_THROW(doc.Layer("while open"), std::logic_error);
  doc.End();
  EXPECT_THROW(doc.End(), std::logic_error);
  EXPECT_THROW(doc.CurrentLayer("absent"), std::logic_error);
  EXPECT_THROW(View().Find("absent"), std::logic_error);
  EXPECT_THROW(doc.Text("t").Segments({}), std::logic_error);
  EXPECT_THAT(View().Doc().layers, ElementsAre(View().Layer("Layer 1")));
}

}  // namespace
}  // namespace kwtest
