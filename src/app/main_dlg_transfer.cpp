#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/control_ids.h"
#include "app/main_dlg.h"
#include "app/modals.h"
#include "optics/number_text.h"

namespace ombrelune {

namespace {

// Sets a flag for as long as a transfer runs, however it ends.
class TransferScope {
 public:
  explicit TransferScope(bool& flag) : flag(flag), previous(flag) { flag = true; }
  ~TransferScope() { flag = previous; }
  TransferScope(const TransferScope&) = delete;
  TransferScope& operator=(const TransferScope&) = delete;

 private:
  bool& flag;
  bool previous;
};

constexpr int kModeButtons[] = {ids::ModeList, ids::ModeCurve, ids::ModeMap};

}  // namespace

// One control and the value it shows.
struct CMainDlg::Binding {
  enum class Kind { Number, Flag, Mode, Readout };
  Kind kind;
  int id;
  double TelescopeConfig::*number = nullptr;
  int TelescopeConfig::*flag = nullptr;
  std::string CMainDlg::*text = nullptr;
};

std::span<const CMainDlg::Binding> CMainDlg::Bindings() {
  using K = Binding::Kind;
  using C = TelescopeConfig;
  // The order matters: a refused text stops the reading, and every control
  // after it keeps its previous value.
  static const Binding kOrder[] = {
      {K::Number, ids::PrimaryDiameter, &C::primaryDiameter},
      {K::Number, ids::SecondaryDiameter, &C::secondaryDiameter},
      {K::Number, ids::PrimaryFocalLength, &C::primaryFocalLength},
      {K::Number, ids::SecondaryToFocus, &C::secondaryToFocus},
      {K::Number, ids::SensorDiagonal, &C::sensorDiagonal},
      {K::Number, ids::FocuserToFocus, &C::focuserToFocus},
      {K::Number, ids::FocuserDiameter, &C::focuserDiameter},
      {K::Flag, ids::FocuserEnabled, nullptr, &C::focuserEnabled},
      {K::Number, ids::CorrectorDiameter, &C::correctorDiameter},
      {K::Number, ids::CorrectorToFocus, &C::correctorToFocus},
      {K::Flag, ids::CorrectorEnabled, nullptr, &C::correctorEnabled},
      {K::Flag, ids::SecondaryEnabled, nullptr, &C::secondaryEnabled},
      {K::Number, ids::FilterToFocus, &C::filterToFocus},
      {K::Flag, ids::FilterEnabled, nullptr, &C::filterEnabled},
      {K::Number, ids::FilterDiameter, &C::filterDiameter},
      {K::Mode, ids::ModeList},
      {K::Number, ids::SensorWidth, &C::sensorWidth},
      {K::Number, ids::SensorHeight, &C::sensorHeight},
      {K::Readout, ids::ReadoutOffset, nullptr, nullptr, &CMainDlg::readoutOffsetText},
      {K::Readout, ids::ReadoutIllumination, nullptr, nullptr, &CMainDlg::readoutIlluminationText},
      {K::Number, ids::CorrectorMagnification, &C::correctorMagnification},
      {K::Number, ids::CorrectorShift, &C::correctorShift},
      {K::Readout, ids::ReadoutMagLoss, nullptr, nullptr, &CMainDlg::readoutMagLossText},
      {K::Flag, ids::ObstructionEnabled, nullptr, &C::obstructionEnabled},
  };
  return kOrder;
}

bool CMainDlg::TransferIn() {
  TransferScope scope(transferring);
  for (const Binding& b : Bindings()) {
    switch (b.kind) {
      case Binding::Kind::Number: {
        auto* edit = ControlAs<QLineEdit>(b.id);
        const std::optional<double> value = ParseEditNumber(edit->text().toStdString());
        if (!value) {
          RefuseText(edit);
          return false;
        }
        config.*b.number = *value;
        break;
      }
      case Binding::Kind::Flag:
        config.*b.flag = ControlAs<QCheckBox>(b.id)->isChecked() ? 1 : 0;
        break;
      case Binding::Kind::Mode:
        for (int i = 0; i < 3; ++i) {
          if (ControlAs<QRadioButton>(kModeButtons[i])->isChecked()) {
            displayMode = static_cast<DisplayMode>(i);
          }
        }
        break;
      case Binding::Kind::Readout:
        this->*b.text = ControlAs<QLabel>(b.id)->text().toStdString();
        break;
    }
  }
  return true;
}

void CMainDlg::TransferOut() {
  TransferScope scope(transferring);
  for (const Binding& b : Bindings()) {
    switch (b.kind) {
      case Binding::Kind::Number: {
        // FormatFieldValue writes minus zero as "0" and infinities as "1e999":
        // whatever is written here is read back without a complaint.
        const QString text = QString::fromStdString(FormatFieldValue(config.*b.number));
        auto* edit = ControlAs<QLineEdit>(b.id);
        if (edit->text() != text) edit->setText(text);
        break;
      }
      case Binding::Kind::Flag: {
        int& flag = config.*b.flag;
        flag = NormalizeFlag(flag);
        // 2 is shown as a plain tick: a box set partially checked would stay
        // tri-state for good.
        ControlAs<QCheckBox>(b.id)->setChecked(flag != 0);
        break;
      }
      case Binding::Kind::Mode: {
        const int index = static_cast<int>(displayMode);
        if (index >= 0 && index < 3) ControlAs<QRadioButton>(kModeButtons[index])->setChecked(true);
        break;
      }
      case Binding::Kind::Readout: {
        const QString text = QString::fromStdString(this->*b.text);
        auto* label = ControlAs<QLabel>(b.id);
        if (label->text() != text) label->setText(text);
        break;
      }
    }
  }
}

void CMainDlg::RefuseText(QLineEdit* edit) {
  modals.ShowMessage(this, QStringLiteral("Tapez un nombre."), Modals::Icon::Warning);
  // Only now: while the box was open Qt would have handed the focus back to
  // whichever widget had it before.
  edit->setFocus();
  edit->selectAll();
}

}  // namespace ombrelune
