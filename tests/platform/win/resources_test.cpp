#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/gdi/cdc.h"
#include "platform/win/menu.h"
#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::WindowTest;

TEST_F(WindowTest, StringsLoadWithinTheBufferAndMissingOnesGiveNothing) {
  Resources().AddString(4001, "Cannot create dialog box ");
  char buffer[8];
  EXPECT_EQ(LoadString(AfxGetResourceHandle(), 4001, buffer, sizeof buffer), 7);
  EXPECT_STREQ(buffer, "Cannot ");
  EXPECT_EQ(LoadString(AfxGetResourceHandle(), 4999, buffer, sizeof buffer), 0);
}

TEST_F(WindowTest, BitmapsLoadAsNewObjectsAndIconsDrawOnlyTheirOpaquePixels) {
  std::string error;
  ASSERT_TRUE(Resources().AddBitmapText("DOT", "size 2 2\npalette\n. #C0C0C0\nr #FF0000\npixels\nr.\n.r\n", &error))
      << error;
  const HBITMAP first = LoadBitmap(AfxGetResourceHandle(), "DOT");
  const HBITMAP second = LoadBitmap(AfxGetResourceHandle(), "DOT");
  ASSERT_NE(first, nullptr);
  EXPECT_NE(first, second);
  BITMAP info;
  ASSERT_EQ(GetObject(first, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 2);
  DeleteObject(first);
  DeleteObject(second);
  EXPECT_EQ(LoadBitmap(AfxGetResourceHandle(), "NONE"), nullptr);
  EXPECT_FALSE(Resources().AddBitmapText("BAD", "size 2 2\n", &error));
  EXPECT_EQ(error, "BAD: line 2: expected `palette`");

  ASSERT_TRUE(Resources().AddIconText("MARK", "size 2 1\npalette\n. #C0C0C0\nk #000000\ntransparent .\npixels\n.k\n"));
  const HICON icon = LoadIcon(AfxGetResourceHandle(), "MARK");
  EXPECT_EQ(LoadIcon(AfxGetResourceHandle(), "MARK"), icon);
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.Attach(CreateBitmapFromSurface(Surface(4, 4, RGB(0, 0, 255))));
  CBitmap* previous = dc.SelectObject(&bitmap);
  EXPECT_TRUE(DrawIcon(dc.m_hDC, 1, 1, icon));
  EXPECT_EQ(dc.GetPixel(1, 1), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(2, 1), RGB(0, 0, 0));
  dc.SelectObject(previous);
}

TEST_F(WindowTest, ABitmapGivenByItsTextIsReadWhenFirstLookedUpAndABadOneIsMissing) {
  const std::string dot = "size 2 1\npalette\n. #C0C0C0\nr #FF0000\npixels\nr.\n";
  Resources().AddBitmapSource("DOT", dot);
  Resources().AddBitmapSource("BAD", "size 2 2\n");
  const Surface* pixels = Resources().FindBitmap("DOT");
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(pixels->Width(), 2);
  EXPECT_EQ(pixels->Pixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(Resources().FindBitmap("DOT"), pixels) << "read once";
  EXPECT_EQ(Resources().FindBitmap("BAD"), nullptr);
  EXPECT_EQ(LoadBitmap(AfxGetResourceHandle(), "BAD"), nullptr);
  // A bitmap registered again, in either form, replaces the one before.
  Resources().AddBitmap("DOT", Surface(3, 3, RGB(0, 0, 255)));
  EXPECT_EQ(Resources().FindBitmap("DOT")->Width(), 3);
  Resources().AddBitmapSource("DOT", dot);
  EXPECT_EQ(Resources().FindBitmap("DOT")->Width(), 2);
}

int builtNotes = 0;

std::vector<std::string> DialogNames() {
  std::vector<std::string> names;
  for (const ResourceName& name : Resources().DialogNames()) names.push_back(name.Display());
  return names;
}

DialogTemplate NotesDialog() {
  ++builtNotes;
  DialogTemplate dialog;
  dialog.caption = "Notes";
  dialog.cx = 120;
  return dialog;
}

TEST_F(WindowTest, ADialogGivenByItsBuilderIsBuiltOnceWhenFirstLookedUp) {
  builtNotes = 0;
  DialogTemplate other;
  other.caption = "Other";
  Resources().AddDialog("OTHER", other);
  Resources().AddDialogSource("NOTES", NotesDialog);
  EXPECT_EQ(builtNotes, 0);
  EXPECT_EQ(DialogNames(), (std::vector<std::string>{"NOTES", "OTHER"})) << "listed before it is built";
  EXPECT_EQ(builtNotes, 0);

  DialogTemplate* notes = Resources().FindDialog("NOTES");
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->caption, "Notes");
  notes->cx = 200;
  EXPECT_EQ(Resources().FindDialog("NOTES"), notes);
  EXPECT_EQ(Resources().FindDialog("NOTES")->cx, 200) << "a change in place stays";
  EXPECT_EQ(builtNotes, 1);
  EXPECT_EQ(DialogNames(), (std::vector<std::string>{"NOTES", "OTHER"}));
  EXPECT_EQ(Resources().FindDialog("MISSING"), nullptr);

  // A dialog registered again, in either form, replaces the one before.
  Resources().AddDialogSource("NOTES", NotesDialog);
  EXPECT_EQ(Resources().FindDialog("NOTES")->cx, 120);
  EXPECT_EQ(builtNotes, 2);
  Resources().AddDialogSource("OTHER", NotesDialog);
  Resources().AddDialog("OTHER", other);
  EXPECT_EQ(Resources().FindDialog("OTHER")->caption, "Other");
  EXPECT_EQ(builtNotes, 2);

  Resources().AddDialogSource("LATER", NotesDialog);
  Resources().Clear();
  EXPECT_TRUE(DialogNames().empty());
  EXPECT_EQ(Resources().FindDialog("LATER"), nullptr);
  EXPECT_EQ(builtNotes, 2);
}

TEST_F(WindowTest, MenusLoadWithTheirPopupsAndSeparators) {
  std::vector<MenuTemplateItem> items(1);
  items[0].text = "File";
  items[0].flags = MF_POPUP;
  items[0].children.resize(3);
  items[0].children[0].text = "Setup";
  items[0].children[0].id = 4000;
  items[0].children[1].flags = MF_SEPARATOR;
  items[0].children[2].text = "Exit";
  items[0].children[2].id = 4001;
  Resources().AddMenu(2, items);
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(2));
  EXPECT_EQ(menu.GetMenuItemCount(), 1u);
  EXPECT_EQ(menu.GetMenuItemID(0), 0xFFFFFFFFu);
  CMenu* file = menu.GetSubMenu(0);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->GetMenuItemID(0), 4000u);
  EXPECT_EQ(file->GetMenuItemID(1), 0u);
  char text[16];
  EXPECT_EQ(GetMenuString(menu.m_hMenu, 4001, text, sizeof text, MF_BYCOMMAND), 4);
  EXPECT_STREQ(text, "Exit");
  EXPECT_EQ(menu.EnableMenuItem(4001, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(file->GetMenuState(2, MF_BYPOSITION), MF_GRAYED);
  EXPECT_EQ(menu.EnableMenuItem(4999, MF_BYCOMMAND), 0xFFFFFFFFu);
}

TEST(ProgramBitmaps, EveryPictureOfTheProgramLoads) {
  const std::filesystem::path folder = std::filesystem::path(TAVRIN_SOURCE_DIR) / "resources" / "bitmaps";
  if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no pictures yet";
  int loaded = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream file(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    EXPECT_TRUE(Resources().AddBitmapText(entry.path().stem().string(), text.str(), &error)) << error;
    ++loaded;
  }
  Resources().Clear();
  EXPECT_GT(loaded, 0);
}

}  // namespace
