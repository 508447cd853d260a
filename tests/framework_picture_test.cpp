// Pictures: what a new one holds, the two transparency rules, drawing parts
// of pictures, and reading picture files, missing ones included.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

#include "framework/FolderItem.h"
#include "framework/Graphics.h"
#include "framework/Picture.h"
#include "framework/Sound.h"
#include "framework_support.h"

namespace {

using fw::Graphics;
using fw::Picture;
using fw::PicturePtr;

QRgb At(const PicturePtr& p, int x, int y) { return p->Image().pixel(x, y); }

PicturePtr Filled(int w, int h, fw::Color color) {
  PicturePtr p = Picture::NewPicture(w, h, 32);
  p->Graphics()->SetForeColor(color);
  p->Graphics()->FillRect(0, 0, w, h);
  return p;
}

// A picture whose pixels are clear, to read what is drawn on it with its
// alpha.
PicturePtr ClearTarget(int w, int h) {
  PicturePtr p = Picture::NewPicture(w, h, 32);
  p->SurfaceImage().fill(Qt::transparent);
  return p;
}

TEST(FrameworkPicture, NewPictureIsOpaqueWhiteOfDepth32) {
  PicturePtr p = Picture::NewPicture(7, 5, 32);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Width(), 7);
  EXPECT_EQ(p->Height(), 5);
  EXPECT_EQ(p->Depth(), 32);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) ASSERT_EQ(At(p, x, y), 0xFFFFFFFFu) << x << "," << y;
  }
}

TEST(FrameworkPicture, TransparentOneDropsExactlyPureWhite) {
  PicturePtr source = Picture::NewPicture(3, 1, 32);
  source->SurfaceImage().setPixel(1, 0, qRgb(254, 254, 254));
  source->SurfaceImage().setPixel(2, 0, qRgb(255, 255, 254));
  source->SetTransparent(1);
  PicturePtr target = Filled(3, 1, fw::RGB(200, 0, 0));
  target->Graphics()->DrawPicture(source, 0, 0);
  EXPECT_EQ(At(target, 0, 0), qRgb(200, 0, 0));
  EXPECT_EQ(At(target, 1, 0), qRgb(254, 254, 254));
  EXPECT_EQ(At(target, 2, 0), qRgb(255, 255, 254));
  // Mode 0 again: white is drawn.
  source->SetTransparent(0);
  target->Graphics()->DrawPicture(source, 0, 0);
  EXPECT_EQ(At(target, 0, 0), 0xFFFFFFFFu);
}

TEST(FrameworkPicture, TransparencyFollowsLaterDrawingOnTheSource) {
  PicturePtr source = Filled(2, 1, fw::RGB(0, 0, 0));
  source->SetTransparent(1);
  PicturePtr target = Filled(2, 1, fw::RGB(0, 200, 0));
  target->Graphics()->DrawPicture(source, 0, 0);
  EXPECT_EQ(At(target, 0, 0), qRgb(0, 0, 0));
  // Painting the source white after it was first drawn must take effect.
  source->Graphics()->SetForeColor(fw::RGB(255, 255, 255));
  source->Graphics()->FillRect(0, 0, 1, 1);
  PicturePtr second = Filled(2, 1, fw::RGB(0, 200, 0));
  second->Graphics()->DrawPicture(source, 0, 0);
  EXPECT_EQ(At(second, 0, 0), qRgb(0, 200, 0));
  EXPECT_EQ(At(second, 1, 0), qRgb(0, 0, 0));
}

TEST(FrameworkPicture, MaskGreyIsPartialBlackOpaqueWhiteClear) {
  PicturePtr source = Filled(3, 1, fw::RGB(0, 0, 0));
  PicturePtr mask = source->Mask(true);
  ASSERT_TRUE(mask);
  mask->SurfaceImage().setPixel(0, 0, qRgb(120, 120, 120));
  mask->SurfaceImage().setPixel(1, 0, qRgb(255, 255, 255));
  mask->SurfaceImage().setPixel(2, 0, qRgb(0, 0, 0));
  mask->SurfaceChanged();
  PicturePtr clear = ClearTarget(3, 1);
  clear->Graphics()->DrawPicture(source, 0, 0);
  EXPECT_NEAR(qAlpha(At(clear, 0, 0)), 135, 1);
  EXPECT_EQ(qAlpha(At(clear, 1, 0)), 0);
  EXPECT_EQ(qAlpha(At(clear, 2, 0)), 255);
  // Over white the grey pixel blends to grey.
  PicturePtr white = Picture::NewPicture(3, 1, 32);
  white->Graphics()->DrawPicture(source, 0, 0);
  EXPECT_NEAR(qRed(At(white, 0, 0)), 120, 1);
  EXPECT_EQ(At(white, 1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(At(white, 2, 0), qRgb(0, 0, 0));
}

TEST(FrameworkPicture, DrawPictureOwnSizeAndSourceRectangle) {
  // Left half red, right half blue.
  PicturePtr source = Filled(20, 10, fw::RGB(255, 0, 0));
  source->Graphics()->SetForeColor(fw::RGB(0, 0, 255));
  source->Graphics()->FillRect(10, 0, 10, 10);

  PicturePtr whole = Picture::NewPicture(30, 20, 32);
  whole->Graphics()->DrawPicture(source, 2, 3, Graphics::kOwnSize, Graphics::kOwnSize);
  EXPECT_EQ(At(whole, 2, 3), qRgb(255, 0, 0));
  EXPECT_EQ(At(whole, 21, 12), qRgb(0, 0, 255));
  EXPECT_EQ(At(whole, 22, 12), 0xFFFFFFFFu);
  EXPECT_EQ(At(whole, 2, 13), 0xFFFFFFFFu);

  PicturePtr part = Picture::NewPicture(30, 20, 32);
  part->Graphics()->DrawPicture(source, 5, 5, 10, 10, 10, 0, 10, 10);
  EXPECT_EQ(At(part, 5, 5), qRgb(0, 0, 255));
  EXPECT_EQ(At(part, 14, 14), qRgb(0, 0, 255));
  EXPECT_EQ(At(part, 4, 5), 0xFFFFFFFFu);
  EXPECT_EQ(At(part, 15, 5), 0xFFFFFFFFu);
}

TEST(FrameworkPicture, NilPictureDrawsNothing) {
  PicturePtr target = Filled(4, 4, fw::RGB(1, 2, 3));
  target->Graphics()->DrawPicture(nullptr, 0, 0);
  target->Graphics()->DrawPicture(nullptr, 0, 0, 4, 4, 0, 0, 4, 4);
  EXPECT_EQ(At(target, 0, 0), qRgb(1, 2, 3));
}

class FrameworkPictureFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(2, 1, qRgb(0, 128, 255));
    ASSERT_TRUE(image.save(dir.filePath("strip.png"), "PNG"));
    ASSERT_TRUE(image.save(dir.filePath("logo.bmp"), "BMP"));
    QFile broken(dir.filePath("broken.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG not really");
    // The smallest WAVE file: a header and no samples.
    QFile wave(dir.filePath("Drop.wav"));
    ASSERT_TRUE(wave.open(QIODevice::WriteOnly));
    const char header[] =
        "RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0data\0\0\0\0";
    wave.write(header, sizeof header - 1);
  }
  void TearDown() override { fw::SetResourcesFolderForTesting(""); }

  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  QTemporaryDir dir;
};

TEST_F(FrameworkPictureFiles, PngAndBmpReadPixelForPixel) {
  for (const char* name : {"strip.png", "logo.bmp"}) {
    PicturePtr p = Picture::Open(Path(name));
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->Width(), 3);
    EXPECT_EQ(p->Height(), 2);
    EXPECT_EQ(At(p, 0, 0), qRgb(255, 0, 0)) << name;
    EXPECT_EQ(At(p, 2, 1), qRgb(0, 128, 255)) << name;
    // The read picture's white is pure white: Transparent 1 drops it.
    p->SetTransparent(1);
    PicturePtr target = Filled(3, 2, fw::RGB(0, 99, 0));
    target->Graphics()->DrawPicture(p, 0, 0);
    EXPECT_EQ(At(target, 1, 0), qRgb(0, 99, 0)) << name;
    EXPECT_EQ(At(target, 0, 0), qRgb(255, 0, 0)) << name;
  }
}

TEST_F(FrameworkPictureFiles, MissingOrBrokenFileGivesNil) {
  EXPECT_FALSE(Picture::Open(Path("missing.png")));
  EXPECT_FALSE(Picture::Open(Path("broken.png")));
  EXPECT_FALSE(Picture::Open(dir.path().toStdString()));
}

TEST_F(FrameworkPictureFiles, ResourcesFolderFindsFilesAndNilsMissingOnes) {
  fw::SetResourcesFolderForTesting(dir.path().toStdString());
  fw::FolderItemPtr folder = fw::FolderItem::GetApplicationBundleResources();
  ASSERT_TRUE(folder);
  EXPECT_TRUE(folder->Child("strip.png")->OpenAsPicture());
  EXPECT_FALSE(folder->Child("missing.png")->Exists());
  EXPECT_FALSE(folder->Child("missing.png")->OpenAsPicture());
  EXPECT_FALSE(folder->Child("missing.wav")->OpenAsSound());
  // A file that is no WAVE file is no sound.
  EXPECT_FALSE(folder->Child("strip.png")->OpenAsSound());
  fw::SoundPtr drop = folder->Child("Drop.wav")->OpenAsSound();
  ASSERT_TRUE(drop);
  std::vector<std::string> played;
  fw::SetSoundPlayHookForTesting([&](const std::string& name) { played.push_back(name); });
  drop->Play();
  fw::SetSoundPlayHookForTesting(nullptr);
  EXPECT_EQ(played, (std::vector<std::string>{"Drop.wav"}));
  fw::SetResourcesFolderForTesting(dir.filePath("no such folder").toStdString());
  EXPECT_FALSE(fw::FolderItem::GetApplicationBundleResources());
}

}  // namespace
