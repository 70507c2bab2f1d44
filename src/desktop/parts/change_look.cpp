#include "desktop/parts/change_look.h"

#include <vector>

#include <QLabel>
#include <QPointer>

#include "desktop/parts/colours.h"

namespace {

Change_Look look;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> followers;

// Orange and blue: for red-blind and green-blind eyes they differ in hue and lightness both, and
// for blue-blind ones they fall on either side of the grey line. Dark on a light ground, light on a
// dark one.
const QColor Safe_Loss_Light(0xA3, 0x4A, 0x00), Safe_Gain_Light(0x00, 0x50, 0xB4);
const QColor Safe_Loss_Dark(0xFF, 0xB3, 0x47), Safe_Gain_Dark(0x7C, 0xC4, 0xFF);

// Readable on its ground by the game's one rule, as every other colour is.
QColor Safe_Colour(Colour sign, const QPalette& palette, QPalette::ColorRole background) {
    const bool dark = Is_Dark(palette);
    const QColor wanted = sign == Colour::Red ? (dark ? Safe_Loss_Dark : Safe_Loss_Light)
                                              : (dark ? Safe_Gain_Dark : Safe_Gain_Light);
    return Game_Colour(wanted, palette, background);
}

// The plain text and sign a label shows, painted again at each change of look.
class Change_Label : public QObject {
public:
    static constexpr const char* Name = "bullquest-change";
    explicit Change_Label(QLabel* label) : QObject(label), label(label) {
        setObjectName(Name);
        On_Change_Look(this, [this] { Apply(); });
    }
    QString text;
    Colour sign = Colour::Black;
    void Apply() {
        label->setText(Change_Text(text, sign));
        Paint(label, [sign = sign](const QPalette& around) { return Ink{Change_Colour(sign, around), {}}; });
    }

private:
    QLabel* label;
};

}  // namespace

Change_Look Current_Change_Look() { return look; }

void Use_Change_Look(const Change_Look& wanted) {
    if (wanted == look) return;
    look = wanted;
    std::erase_if(followers, [](const auto& f) { return f.first.isNull(); });
    // A repaint may add followers of its own: those made now already have the new look.
    const auto now = followers;
    for (const auto& [owner, repaint] : now)
        if (owner) repaint();
}

void On_Change_Look(QObject* owner, std::function<void()> repaint) {
    std::erase_if(followers, [](const auto& f) { return f.first.isNull(); });
    followers.emplace_back(owner, std::move(repaint));
}

QString Change_Text(const QString& text, Colour sign) {
    if (!look.Arrows || sign == Colour::Black || text.isEmpty()) return text;
    return (sign == Colour::Blue ? Gain_Arrow : Loss_Arrow) + QChar(0x00A0) + text;
}

QColor Change_Colour(Colour sign, const QPalette& palette, QPalette::ColorRole background) {
    if (look.Safe_Colours && sign != Colour::Black) return Safe_Colour(sign, palette, background);
    return Gain_Colour(sign, palette, background);
}

void Show_Change(QLabel* label, const QString& text, Colour sign) {
    auto* shown = static_cast<Change_Label*>(label->findChild<QObject*>(Change_Label::Name, Qt::FindDirectChildrenOnly));
    if (!shown) shown = new Change_Label(label);
    shown->text = text;
    shown->sign = sign;
    shown->Apply();
}
