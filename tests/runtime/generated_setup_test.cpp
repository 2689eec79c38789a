#include <array>
#include <stdexcept>

#include "engine/settings/settings.h"
#include "runtime/generated_setup.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

using runtime_test::Blue;
using runtime_test::Gray;
using runtime_test::Red;
using runtime_test::RuntimeTest;

constexpr int TitleId = 40;
constexpr int FirstFieldId = 41;  // three fields, 41 to 43
constexpr int LinkId = 44;
constexpr int FaceId = 45;
constexpr int LogoId = 46;

class SetUpDialog : public CSimModalDlg {
 public:
  SetUpDialog() : CSimModalDlg("SETUP", nullptr) {}
  CUserStatic title;
  std::array<CUserEdit, 3> fields;
  CUserStatic link;
  CUserGraphicButton face;
  CUserGraphicButton logo;
};

constexpr MemberSetup SetUpMembers[] = {
    {.id = TitleId, .colours = ColourKind::Gray, .font = HelvTitle},
    {.id = FirstFieldId, .count = 3, .colours = ColourKind::White, .font = FixedsysTable},
    {.id = LinkId, .colours = ColourKind::BlueText, .font = HelvSmallUnderlined},
    {.id = FaceId, .picture = {"RED", PictureLook::ButtonFace}},
    {.id = LogoId, .picture = {"HALVES", PictureLook::Stretched}},
};
constexpr WindowSetup SetUpOnWhite{.backgroundBrush = WHITE_BRUSH, .members = SetUpMembers};

class GeneratedSetupTest : public RuntimeTest {
 protected:
  GeneratedSetupTest() {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_VISIBLE;
    dialog.cx = 120;
    dialog.cy = 60;
    dialog.items.push_back(window_test::Item("STATIC", "Title", TitleId, 0, 2, 2, 40, 10));
    for (int id = FirstFieldId; id < FirstFieldId + 3; ++id) {
      dialog.items.push_back(
          window_test::Item("EDIT", "", id, 0, static_cast<short>(2 + 30 * (id - FirstFieldId)), 14, 28, 10));
    }
    dialog.items.push_back(window_test::Item("STATIC", "Link", LinkId, 0, 2, 26, 40, 10));
    dialog.items.push_back(window_test::Item("BUTTON", "WMP3DBUTTON", FaceId, BS_OWNERDRAW, 2, 38, 20, 16));
    dialog.items.push_back(window_test::Item("BUTTON", "WMPGRAPHIC", LogoId, BS_OWNERDRAW, 30, 38, 20, 16));
    Resources().AddDialog("SETUP", dialog);
    EXPECT_TRUE(window.Create("SETUP", nullptr));
  }
  ~GeneratedSetupTest() override { window.DestroyWindow(); }

  // The colours the member sets on a device context when its dialog asks for them.
  struct Reply {
    COLORREF text;
    COLORREF background;
    int mode;
  };
  static Reply ColoursOf(SimControlStyle& member) {
    Canvas canvas(2, 2);
    canvas.dc.SetTextColor(RGB(1, 2, 3));
    canvas.dc.SetBkColor(RGB(4, 5, 6));
    canvas.dc.SetBkMode(OPAQUE);
    EXPECT_NE(member.ColourReply(canvas.dc.m_hDC), nullptr);
    return {canvas.dc.GetTextColor(), canvas.dc.GetBkColor(), canvas.dc.GetBkMode()};
  }
  static LOGFONT FontOf(SimControlStyle& member) {
    LOGFONT font{};
    EXPECT_GT(GetObject(member.Font(), sizeof font, &font), 0);
    return font;
  }

  SetUpDialog window;
};

TEST_F(GeneratedSetupTest, EveryMemberIsAttachedToItsControlAndGetsItsRowsLook) {
  ApplyGeneratedSetup(window, SetUpOnWhite, {window.title, window.fields, window.link, window.face, window.logo});

  EXPECT_EQ(window.Fields().helpContextId, 1u);
  EXPECT_EQ(window.Fields().BackgroundBrush(), GetStockObject(WHITE_BRUSH));
  EXPECT_FALSE(window.Fields().scrollingOn);

  EXPECT_EQ(window.title.m_hWnd, ::GetDlgItem(window.m_hWnd, TitleId));
  for (int index = 0; index < 3; ++index) {
    EXPECT_EQ(window.fields[static_cast<size_t>(index)].m_hWnd, ::GetDlgItem(window.m_hWnd, FirstFieldId + index));
  }
  EXPECT_EQ(window.link.m_hWnd, ::GetDlgItem(window.m_hWnd, LinkId));
  EXPECT_EQ(window.face.m_hWnd, ::GetDlgItem(window.m_hWnd, FaceId));
  EXPECT_EQ(window.logo.m_hWnd, ::GetDlgItem(window.m_hWnd, LogoId));

  // Gray and white keep the text colour; blue text sets its own; all draw transparently.
  const Reply title = ColoursOf(window.title);
  EXPECT_EQ(title.text, RGB(1, 2, 3));
  EXPECT_EQ(title.background, Gray);
  EXPECT_EQ(title.mode, TRANSPARENT);
  for (CUserEdit& field : window.fields) {
    const Reply reply = ColoursOf(field);
    EXPECT_EQ(reply.text, RGB(1, 2, 3));
    EXPECT_EQ(reply.background, RGB(255, 255, 255));
  }
  const Reply link = ColoursOf(window.link);
  EXPECT_EQ(link.text, Blue);
  EXPECT_EQ(link.background, Gray);

  const LOGFONT titleFont = FontOf(window.title);
  EXPECT_EQ(titleFont.lfHeight, -32);
  EXPECT_EQ(titleFont.lfWeight, FW_BOLD);
  EXPECT_STREQ(titleFont.lfFaceName, "Helv");
  const LOGFONT fieldFont = FontOf(window.fields[2]);
  EXPECT_EQ(fieldFont.lfHeight, -12);
  EXPECT_STREQ(fieldFont.lfFaceName, "Fixedsys");
  const LOGFONT linkFont = FontOf(window.link);
  EXPECT_EQ(linkFont.lfHeight, -11);
  EXPECT_EQ(linkFont.lfWeight, FW_NORMAL);
  EXPECT_EQ(linkFont.lfUnderline, 1);

  // The face picture sits inside a 3D frame; the stretched picture fills its whole button.
  window.Invalidate(TRUE);
  UpdateAllWindows();
  EXPECT_EQ(window_test::PixelAt(window.face.m_hWnd, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(window_test::PixelAt(window.face.m_hWnd, 10, 10), Red);
  EXPECT_EQ(window_test::PixelAt(window.logo.m_hWnd, 0, 0), Blue);
}

// The English caption and texts replace the template's only when the language is English; a table
// without them leaves the window's texts as they are in English too.
TEST_F(GeneratedSetupTest, EnglishTextsReplaceTheTemplatesOnlyInEnglish) {
  constexpr EnglishText Texts[] = {{TitleId, "Heading"}, {LinkId, "Address"}};
  const WindowSetup english{.members = SetUpMembers, .englishCaption = "ENGLISH", .englishTexts = Texts};
  const WindowSetup withoutTexts{.members = SetUpMembers};
  struct Case {
    int language;
    const WindowSetup* setup;
    const char* caption;
    const char* title;
    const char* link;
  };
  const Case cases[] = {
      {EnglishLanguage, &english, "ENGLISH", "Heading", "Address"},
      {NorwegianLanguage, &english, "NORSK", "Title", "Link"},
      {1, &english, "NORSK", "Title", "Link"},
      {EnglishLanguage, &withoutTexts, "NORSK", "Title", "Link"},
  };
  const int savedLanguage = LanguageCode;
  for (const Case& example : cases) {
    SetUpDialog dialog;
    ASSERT_TRUE(dialog.Create("SETUP", nullptr));
    dialog.SetWindowText("NORSK");
    LanguageCode = example.language;
    ApplyGeneratedSetup(dialog, *example.setup, {dialog.title, dialog.fields, dialog.link, dialog.face, dialog.logo});
    LanguageCode = savedLanguage;
    EXPECT_EQ(GetWindowTextString(dialog.m_hWnd), example.caption) << example.language;
    EXPECT_EQ(GetWindowTextString(::GetDlgItem(dialog.m_hWnd, TitleId)), example.title) << example.language;
    EXPECT_EQ(GetWindowTextString(::GetDlgItem(dialog.m_hWnd, LinkId)), example.link) << example.language;
    dialog.DestroyWindow();
  }
}

TEST_F(GeneratedSetupTest, ATableThatDoesNotFitTheMembersChangesNothing) {
  CUserStatic spare;
  constexpr MemberSetup TitleOnly[] = {{.id = TitleId, .colours = ColourKind::Gray}};
  constexpr MemberSetup ColouredPicture[] = {{.id = FaceId, .colours = ColourKind::Gray}};
  constexpr MemberSetup FontedPicture[] = {{.id = FaceId, .font = HelvSmall}};
  constexpr MemberSetup PictureOnStatic[] = {{.id = TitleId, .picture = {"RED", PictureLook::Stretched}}};
  struct Case {
    const char* what;
    std::span<const MemberSetup> rows;
    bool withSpare;
    bool onFace;
  };
  const Case cases[] = {
      {"more members than rows", TitleOnly, true, false},
      {"more rows than members", SetUpMembers, false, false},
      {"colours for a picture button", ColouredPicture, false, true},
      {"a font for a picture button", FontedPicture, false, true},
      {"a picture for a static", PictureOnStatic, false, false},
  };
  for (const Case& example : cases) {
    const WindowSetup setup{.members = example.rows};
    if (example.onFace) {
      EXPECT_THROW(ApplyGeneratedSetup(window, setup, {window.face}), std::logic_error) << example.what;
    } else if (example.withSpare) {
      EXPECT_THROW(ApplyGeneratedSetup(window, setup, {window.title, spare}), std::logic_error) << example.what;
    } else {
      EXPECT_THROW(ApplyGeneratedSetup(window, setup, {window.title}), std::logic_error) << example.what;
    }
    EXPECT_EQ(window.title.m_hWnd, nullptr) << example.what;
    EXPECT_EQ(window.face.m_hWnd, nullptr) << example.what;
    EXPECT_EQ(window.Fields().helpContextId, 0u) << example.what;
  }
}

}  // namespace
