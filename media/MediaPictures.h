#pragma once
// The pictures of the media window, drawn once by the program itself: backgrounds of both
// layouts, the play/pause/stop/close buttons in three states, the knob, the bar and its
// fill pieces, and the speaker marks.

#include <QImage>
#include <QString>

namespace MediaPictures {

enum class TButtonState { Normal, Hot, Down };

QImage Background(bool video);               // "IMG_Tlo" 360x363 / "IMG_Tlo2" 360x74
QImage PlayButton(TButtonState state);       // 38x38
QImage PauseButton(TButtonState state);      // 28x28
QImage StopButton(TButtonState state);       // 28x28
QImage CloseButton(TButtonState state);      // 34x18
QImage Knob();                               // "Suwak" 6x12
QImage BarTrough();                          // "Pasek_Tlo" 227x6
QImage BarPiece(int piece);                  // "P1" (2x6), "P2" (1x6, stretched), "P3" (2x6)
QImage SpeakerMark(int m, bool hot = false); // "osoba_m" 30x14

} // namespace MediaPictures
