// Putting the current picture set to work in the game window.
#include "about/frmAboutBox.h"
#include "framework/Graphics.h"
#include "game/Module1.h"
#include "game/Window1.h"

void Window1::ResetGraphics() {
  Window1* window = Window1::Instance();
  window->SetBackdrop(Module1::board);

  for (fw::PicturePtr* part : {&Module1::gem, &Module1::bigPit, &Module1::hilitePict, &Module1::pit,
                               &Module1::turnIndicator}) {
    fw::NotNil(*part)->SetTransparent(1);
  }

  for (int i = 1; i <= 13; ++i) {
    if (i == 7) continue;
    fw::NotNil(Pits[static_cast<std::size_t>(i)])->SetBackdrop(Module1::pit);
  }

  Canvas4(0)->SetBackdrop(Module1::Moves);
  for (int i = 1; i <= 14; ++i) fw::NotNil(Dots[static_cast<std::size_t>(i)])->SetBackdrop(Module1::Moves);

  // Each hole's cache: the piece of the board under its canvas, with the
  // store or pit picture over it.
  auto compose = [this](int hole, const fw::PicturePtr& picture) {
    fw::Canvas* canvas = Canvas1(hole);
    fw::Graphics* g = fw::NotNil(gPitHoles[static_cast<std::size_t>(hole)])->Graphics();
    g->DrawPicture(Module1::board, 0, 0, canvas->Width(), canvas->Height(), canvas->Left(), canvas->Top(),
                   canvas->Width(), canvas->Height());
    g->DrawPicture(picture, 0, 0);
  };
  compose(7, Module1::bigPit);
  compose(14, Module1::bigPit);
  for (int i = 1; i <= 13; ++i) {
    if (i != 7) compose(i, Module1::pit);
  }

  RightTurn()->SetBackdrop(Module1::turnIndicator);
  LeftTurn()->SetBackdrop(Module1::turnIndicator);
  Canvas6()->SetBackdrop(Module1::hilitePict);

  window->Refresh(true);

  if (Module1::AboutIsUp) {
    frmAboutBox* about = frmAboutBox::Instance();
    about->SetBackdrop(Module1::AboutBox);
    about->Refresh(true);
  }
}
