// The desktop game's Screens: the engine's requests shown in Qt windows.
#include "desktop/main/qt_screens.h"
#include "desktop/messages/help_viewer_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "desktop/scoring/end_game_window.h"
#include "desktop/scoring/new_game_setup_window.h"
#include "desktop/scoring/winners_window.h"
#include "desktop/messages/alert_window.h"
#include "desktop/messages/confirmation_window.h"
#include "desktop/messages/tax_window.h"
#include "desktop/parts/engine_text.h"

Qt_Screens::Qt_Screens(Game_Session& session, QWidget* owner) : QObject(owner), session(session), owner(owner) {}

void Qt_Screens::Show_Alert(const std::string& caption, const std::string& text,
                            const std::vector<std::string>& lines) {
    emit Before_Modal();
    if (!alert) alert = new Alert_Window(session, owner);
    std::vector<std::string> shown;
    for (const std::string& line : lines) shown.push_back(Engine_Text(line).toStdString());
    alert->Run(Engine_Text(caption).toStdString(), Engine_Text(text).toStdString(), shown);
}

void Qt_Screens::Show_Tax(const std::string& you, const std::string& computer) {
    emit Before_Modal();
    if (!tax) tax = new Tax_Window(session, owner);
    tax->Run(you, computer);
}

bool Qt_Screens::Ask_Confirmation(const std::string& caption) {
    emit Before_Modal();
    if (!confirmation) confirmation = new Confirmation_Window(session, owner);
    return confirmation->Run(Engine_Text(caption).toStdString());
}

Settings Qt_Screens::Run_New_Game_Setup(const Game&) {
    emit Before_Modal();
    if (!setup) setup = new New_Game_Setup_Window(session, owner);
    return setup->Run();
}

std::optional<Challenge_Code> Qt_Screens::Setup_Challenge(const Game&) {
    return setup ? setup->Typed_Code() : std::nullopt;
}

void Qt_Screens::Setup_Progress(int value) {
    if (!setup) setup = new New_Game_Setup_Window(session, owner);
    setup->Set_Progress(value);
}

void Qt_Screens::Message_Box(const std::string& text) {
    emit Before_Modal();
    QMessageBox box(QMessageBox::NoIcon, "Bullquest", Engine_Text(text), QMessageBox::Ok, owner);
    box.exec();
}

void Qt_Screens::Beep() {
    if (beep_on) QApplication::beep();
}

std::optional<std::string> Qt_Screens::Input_Box(const std::string& title, const std::string& prompt) {
    emit Before_Modal();
    QInputDialog box(owner);
    box.setWindowTitle(Engine_Text(title));
    box.setLabelText(Engine_Text(prompt));
    box.setInputMode(QInputDialog::TextInput);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue().toStdString();
}

End_Answer Qt_Screens::Run_End_Of_Game(const Game&, const End_Of_Game_View& view) {
    emit Before_Modal();
    if (!end_game) end_game = new End_Game_Window(session, owner);
    return end_game->Run(view);
}

void Qt_Screens::Show_Winners(const Game&) {
    emit Before_Modal();
    if (!winners) winners = new Winners_Window(session, owner);
    winners->Run();
}

void Qt_Screens::Show_Help(int context) {
    if (!help_viewer) help_viewer = new Help_Viewer_Window(owner);
    help_viewer->Show_Topic(context);
}

// The game's own files unless told otherwise.
static std::optional<std::string> Choose_File(QWidget* owner, const std::string& start_dir, bool save,
                                              const QString& title = {}, const QString& filter = {},
                                              const QString& suffix = "bqg") {
    QFileDialog dialog(owner,
                       !title.isEmpty() ? title
                       : save           ? QCoreApplication::translate("Qt_Screens", "Save Game")
                                        : QCoreApplication::translate("Qt_Screens", "Load Game"),
                       QString::fromStdString(start_dir),
                       !filter.isEmpty() ? filter : QCoreApplication::translate("Qt_Screens", "Bullquest Files (*.bqg)"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> Qt_Screens::Choose_Open_File(const std::string& start_dir) {
    emit Before_Modal();
    return Choose_File(owner, start_dir, false);
}

std::optional<std::string> Qt_Screens::Choose_Save_File(const std::string& start_dir) {
    emit Before_Modal();
    return Choose_File(owner, start_dir, true);
}

void Qt_Screens::Timer_Changed(bool enabled) { emit Timer_Switched(enabled); }

void Qt_Screens::Turn_Begins() { emit Turn_Began(); }

void Qt_Screens::Windows_Reset() { emit Game_Reset(); }

std::optional<std::string> Qt_Screens::Choose_Result_File(const std::string& start_dir) {
    emit Before_Modal();
    return Choose_File(owner, start_dir, true, tr("Export Result"), tr("Bullquest Results (*.bqr)"), "bqr");
}
