#pragma once
// The demo's IRS form: taxpayer identification, income and withholding fields in frames, a
// joint-declaration check box, and buttons that check the fields and report in a status line.

#include <memory>

#include "qorvexctl/platform/CheckBox.h"
#include "qorvexctl/platform/CommandButton.h"
#include "qorvexctl/platform/Form.h"
#include "qorvexctl/platform/Frame.h"
#include "qorvexctl/platform/Label.h"
#include "qorvexctl/platform/TextBox.h"

namespace qorvexctl::demo {

class IrsForm {
 public:
  explicit IrsForm(platform::Desktop& desktop);

  platform::Form& Window() { return m_form; }
  platform::TextBox& Name() { return *m_name; }
  platform::TextBox& Nif() { return *m_nif; }
  platform::TextBox& Income() { return *m_income; }
  platform::TextBox& Withheld() { return *m_withheld; }
  platform::CommandButton& Check() { return *m_check; }
  platform::Label& Status() { return *m_status; }

 private:
  platform::TextBox& AddField(platform::Window& frame, const char* caption, const char* name,
                              int top, int tabIndex);
  void CheckFields();

  platform::Form m_form;
  platform::TextBox* m_name{nullptr};
  platform::TextBox* m_nif{nullptr};
  platform::TextBox* m_address{nullptr};
  platform::TextBox* m_income{nullptr};
  platform::TextBox* m_withheld{nullptr};
  platform::CheckBox* m_joint{nullptr};
  platform::CommandButton* m_check{nullptr};
  platform::CommandButton* m_close{nullptr};
  platform::Label* m_status{nullptr};
};

}  // namespace qorvexctl::demo
