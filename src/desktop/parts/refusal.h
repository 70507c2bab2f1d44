#pragma once
// A refusal the player can see: the game's beep, which many desktops mute, and the field at
// fault flashing for a moment. No text is shown.
class QWidget;
class Screens;

inline constexpr int Flash_Milliseconds = 300;

// The beep and the flash.
void Refuse(Screens& screens, QWidget* field);
// The flash alone: the field's ground turns the refusal colour and comes back.
void Flash(QWidget* field);
