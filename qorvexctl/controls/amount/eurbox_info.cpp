// The euro field's information: its description, the balloon tip over the text box, and the
// information and details boxes.

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountInformation.h"
#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl {
namespace {

constexpr char kInformationTitle[] = "Informação sobre este campo";

void ShowInformation(platform::Desktop& desktop, const std::string& text) {
  platform::MessageBoxRequest request;
  request.title = kInformationTitle;
  request.text = text;
  request.icon = platform::MessageBoxIcon::Information;
  desktop.MessageBoxes().Show(request);
}

}  // namespace

void eurbox::descricao(std::string text) {
  m_descriptionTemplate = std::move(text);
  ExpandDescription();
  m_popup.Item("mnu_Info")->Enabled(!m_description.empty());
  RefreshInformation();
}

void eurbox::RefArtigo(std::string reference) {
  m_reference = std::move(reference);
  m_articleText = ArticleText(m_reference);
  PropertyChanged("RefArtigo2");
  PropertyChanged("RefArtigo");
  ExpandDescription();
}

void eurbox::ExpandDescription() {
  m_description = qorvexctl::ExpandDescription(
      m_descriptionTemplate, DescriptionValues{m_max, m_min, m_mult, m_articleText}, SystemLocale());
}

bool eurbox::FieldHasInformation() const {
  return m_mult != 1 || m_useMax || m_useMin || !m_description.empty() ||
         !m_lastInformation.empty();
}

void eurbox::RefreshInformation() {
  const InformationValues values{m_description, m_mult, m_useMax, m_useMin,     m_max,
                                 m_min,         RVal(), Value(),  m_text.Text()};
  const std::string text = qorvexctl::InformationText(values, SystemLocale());
  if (m_tip) {
    m_tip->Icon(MaximumApplied(values) ? TTIconWarning : TTIconInfo);
  } else if (FieldHasInformation() && m_armed) {
    m_tip = std::make_unique<clsBalloonTip>(Library(), GetDesktop());
    m_tip->ParentControl(&m_text);
    m_tip->Style(TTBalloon);
    m_tip->Icon(TTIconInfo);
    m_tip->Title(BalloonTitle(m_fieldType, CampoID()));
    m_tip->Create();
  }
  if (text.empty()) return;
  m_lastInformation = text;
  if (m_tip) m_tip->TipText(Replace(text, " - ", "\r\n"));
}

void eurbox::UpdateBalloonTitle() {
  if (m_tip) m_tip->Title(BalloonTitle(m_fieldType, CampoID()));
}

void eurbox::ReleaseBalloonTip() { m_tip.reset(); }

// The first pointer movement over the text box arms the balloon tip.
void eurbox::PointerMoved() {
  if (m_armed) return;
  m_armed = true;
  RefreshInformation();
}

void eurbox::ShowInformationBox() {
  if (!m_description.empty()) ShowInformation(GetDesktop(), m_description);
}

void eurbox::ShowDetailsBox() {
  DetailsValues values;
  values.code = CampoID();
  values.saveVar = SaveVar();
  values.objectName = Name();
  if (const auto* form = dynamic_cast<const platform::Form*>(TopLevel())) {
    values.formName = form->Name();
    values.formControls = static_cast<int>(form->Controls().size());
  }
  values.useMax = m_useMax;
  values.useMin = m_useMin;
  values.max = m_max;
  values.min = m_min;
  values.mult = m_mult;
  values.information = m_lastInformation;
  const std::string text = DetailsText(values, SystemLocale());
  bool showDefault = true;
  std::string message = std::string(kInformationTitle) + ":\r\n" + text;
  ShowInfo(showDefault, message);
  if (showDefault) ShowInformation(GetDesktop(), text);
}

}  // namespace qorvexctl
