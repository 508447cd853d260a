// Drawing the holes: the cached background, the gems and the count badge.
#include "framework/Graphics.h"
#include "framework/Random.h"
#include "framework/Text.h"
#include "game/Module1.h"
#include "game/Window1.h"

namespace {

// A black disc 15 pixels across at about 53 percent opacity, its corners
// clear.
fw::PicturePtr MakeCountBadge() {
  fw::PicturePtr badge = fw::Picture::NewPicture(15, 15, 32);
  fw::Graphics* g = badge->Graphics();
  g->SetForeColor(fw::RGB(0, 0, 0));
  g->FillRect(0, 0, 15, 15);
  fw::Graphics* mask = badge->Mask(true)->Graphics();
  mask->SetForeColor(fw::RGB(255, 255, 255));
  mask->FillRect(0, 0, 15, 15);
  mask->SetForeColor(fw::RGB(120, 120, 120));
  mask->FillOval(0, 0, 15, 15);
  return badge;
}

struct BadgePlace {
  int badgeX, badgeY;
  int oneDigitX, twoDigitX, textY;
};

void DrawBadgeAndCount(fw::Graphics* g, const fw::PicturePtr& badge, const BadgePlace& place, int count) {
  g->DrawPicture(badge, place.badgeX, place.badgeY);
  g->SetForeColor(fw::RGB(255, 255, 255));
  g->DrawString(fw::Str(count), count < 10 ? place.oneDigitX : place.twoDigitX, place.textY, 0, false);
}

constexpr BadgePlace kPitBadge{24, 41, 28, 24, 53};
constexpr BadgePlace kStore7Badge{8, 118, 12, 8, 130};
constexpr BadgePlace kStore14Badge{68, 118, 72, 68, 130};

}  // namespace

void Window1::DrawHole(std::int32_t hole, bool inPaint) {
  const fw::PicturePtr badge = MakeCountBadge();
  fw::Canvas* canvas = Canvas1(hole);
  fw::Graphics* g = canvas->Graphics();
  g->DrawPicture(gPitHoles[static_cast<std::size_t>(hole)], 0, 0);
  const int count = PitsCount[static_cast<std::size_t>(hole)];
  if (hole != 7 && hole != 14) {
    if (count > 0) {
      g->DrawPicture(Module1::gem, 17, 10);
      DrawBadgeAndCount(g, badge, kPitBadge, count);
    }
  } else if (count > 0) {
    const auto& places = hole == 7 ? pitPlace7 : pitPlace14;
    for (std::size_t j = 1; j < places.size(); ++j) {
      const cPoint& p = *fw::NotNil(places[j].get());
      g->DrawPicture(Module1::gem, p.X, p.Y);
    }
    DrawBadgeAndCount(g, badge, hole == 7 ? kStore7Badge : kStore14Badge, count);
  }
  if (!inPaint) canvas->Refresh(true);
}

void Window1::AddGems(std::int32_t count, std::int32_t hole) {
  fw::Random random;
  for (int i = 1; i <= count; ++i) {
    auto point = std::make_shared<cPoint>();
    point->X = random.InRange(20, 54);
    point->Y = random.InRange(50, 184);
    if (hole == 7) {
      pitPlace7.push_back(point);
    } else if (hole == 14) {
      pitPlace14.push_back(point);
    }
  }
}

void Window1::Canvas1_Paint(fw::Canvas* canvas, fw::Graphics* /*g*/) {
  const int index = fw::NotNil(dynamic_cast<Canvas1Member*>(canvas))->Index();
  if (index > 0) DrawHole(index, true);
}

void Window1::LeftTurn_Paint(fw::Canvas* /*canvas*/, fw::Graphics* g) { g->DrawPicture(Module1::turnIndicator, 0, 0); }

void Window1::RightTurn_Paint(fw::Canvas* /*canvas*/, fw::Graphics* g) { g->DrawPicture(Module1::turnIndicator, 0, 0); }
