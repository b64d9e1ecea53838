#pragma once
// The demo's IRS form, Modelo 3, with every control of the library on it: a skinned header with
// step badges and a go-button, a skinned page menu, and four pages. "Rosto" holds the tax
// office and year (quadros 1 and 2), the taxpayers A and B with their NIF fields and disability
// selectors (quadro 3), the civil status as option buttons (quadro 4), the joint-taxation
// choice (quadro 5), a dependant with a NIF field open to every country (quadro 6), the country
// of residence from the selection dialog (quadro 8) and the NIB for a refund. "Anexo A" holds
// the employment income (quadro 4A: the paying entity's NIF, the income code with its article
// link, the taxpayer it belongs to and the amounts with their codes, bounds and calculator).
// "Anexo H" holds the deductions (quadro 6) and a slide panel of notes; "Entrega" a summary in
// a skinned box, the slideshow of reminders and the save and open buttons. The spinning coin
// sits under the page menu. Information buttons explain the fields.
//
// The form keeps its declaration in the host kit's database (IrsDeclarationStore); the NIF
// fields look taxpayers up through the library's taxpayer directory, which the host plugs in.

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AmountColumn.h"
#include "hostkit/HostDatabase.h"
#include "hostkit/SqliteDeclaration.h"
#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/controls/helpers/InfoButton.h"
#include "qorvexctl/controls/helpers/cRefArtigo.h"
#include "qorvexctl/controls/helpers/cSlider.h"
#include "qorvexctl/controls/helpers/cSujeitoSelector.h"
#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"
#include "qorvexctl/controls/nib/cNIB.h"
#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/controls/selection/clsGFXSelection.h"
#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/controls/skins/skNumber.h"
#include "qorvexctl/controls/skins/skSubMenu.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::demo {

class IrsForm : public platform::Form {
 public:
  enum Page { kRosto = 0, kAnexoA = 1, kAnexoH = 2, kEntrega = 3, kPageCount = 4 };

  // The declaration is kept in `database` (a new one is created when the form is first saved).
  IrsForm(platform::Desktop& desktop, LibraryState& library,
          std::shared_ptr<hostkit::HostDatabase> database);

  platform::Form& Window() { return *this; }
  LibraryState& Library() { return m_library; }
  // Every control type of the library, by name, with its member table.
  Registry& Components() { return m_components; }
  const std::shared_ptr<hostkit::HostDatabase>& Database() const { return m_database; }

  // Shows one page and marks its menu entry and badge.
  void ShowPage(int page);
  int CurrentPage() const { return m_page; }
  platform::Frame& PageFrame(int page) { return *m_pages.at(page); }

  // The declaration being edited; made in the database on first use.
  std::shared_ptr<hostkit::SqliteDeclaration> Declaration();
  // Shows a declaration stored earlier (its values and members).
  void UseDeclaration(std::shared_ptr<hostkit::SqliteDeclaration> declaration);

  platform::TextBox& NameA() { return *m_nameA; }
  cNIF& Nif() { return *m_nifA; }
  cNIF& NifB() { return *m_nifB; }
  cNIF& NifDependant() { return *m_nifDependant; }
  cNIF& NifEmployer() { return *m_nifEmployer; }
  eurbox& Income() { return m_income->Field(0); }
  eurbox& Withheld() { return m_income->Field(1); }
  AmountColumn& IncomeAmounts() { return *m_income; }
  AmountColumn& Amounts() { return *m_deductions; }
  cNIB& RefundAccount() { return *m_refundAccount; }
  InfoButton& NifHelp() { return *m_nifHelp; }
  cSujeitoSelector& Holder() { return *m_holder; }
  cButton& Check() { return *m_check; }
  cButton& SaveButton() { return *m_save; }
  platform::Label& Status() { return *m_status; }

  // The status line says what is missing, or that the declaration is ready; true when ready.
  bool CheckFields();
  // Where saving writes the form file too (nothing when empty).
  void FormFilePath(std::filesystem::path file) { m_formFile = std::move(file); }
  const std::filesystem::path& FormFilePath() const { return m_formFile; }
  // Writes the declaration to the database, and the form to its form file; "Gravar" does it.
  bool SaveDeclaration();
  // Shows the declaration saved last again, as "Abrir" does; false when none was saved.
  bool ReopenDeclaration();

 private:
  // --- The frame around the pages (IrsForm.cpp).
  void AddHeader();
  void AddPageMenu();
  void AddButtons();
  platform::Frame& AddPage(int page, const char* name, const char* caption);

  // --- The pages (IrsFormPages.cpp).
  void AddRosto();
  void AddTaxpayers(platform::Frame& page);
  void AddHousehold(platform::Frame& page);
  void AddResidenceAndRefund(platform::Frame& page);
  void AddAnexoA();
  void AddAnexoH();
  void AddEntrega();

  // --- Small builders (IrsFormPages.cpp); bounds in pixels of the container.
  platform::Frame& AddQuadro(platform::Window& container, const char* name, const char* caption,
                             platform::Rect bounds);
  platform::Label& AddCaption(platform::Window& container, const char* name, const char* caption,
                              platform::Rect bounds);
  platform::TextBox& AddTextBox(platform::Window& container, const char* name,
                                platform::Rect bounds);
  cNIF& AddNif(platform::Window& container, const char* name, platform::Rect bounds);
  InfoButton& AddHelp(platform::Window& container, const char* name, platform::Point at,
                      const char* tip);
  void ChooseResidence();
  void RecordMember(const std::string& code, cNIF& field, const std::string& name);
  void ShowSummary();

  LibraryState& m_library;
  std::shared_ptr<hostkit::HostDatabase> m_database;
  std::shared_ptr<hostkit::SqliteDeclaration> m_declaration;
  Registry m_components;
  clsGFXSelection m_selection;
  int m_page{kRosto};
  int m_tab{0};  // the next TabIndex handed out
  std::filesystem::path m_formFile;
  std::array<platform::Frame*, kPageCount> m_pages{};
  std::array<skSubMenu*, kPageCount> m_menu{};
  std::array<skNumber*, kPageCount> m_badges{};
  skGoButton* m_next{nullptr};
  platform::TextBox* m_nameA{nullptr};
  platform::TextBox* m_nameB{nullptr};
  cNIF* m_nifA{nullptr};
  cNIF* m_nifB{nullptr};
  cNIF* m_nifDependant{nullptr};
  cNIF* m_nifEmployer{nullptr};
  cNIB* m_refundAccount{nullptr};
  InfoButton* m_nifHelp{nullptr};
  cSujeitoSelector* m_holder{nullptr};
  platform::TextBox* m_countryCode{nullptr};
  platform::Label* m_country{nullptr};
  cButton* m_chooseCountry{nullptr};
  cButton* m_check{nullptr};
  cButton* m_save{nullptr};
  platform::Label* m_status{nullptr};
  platform::Label* m_summary{nullptr};
  std::unique_ptr<AmountColumn> m_income;
  std::unique_ptr<AmountColumn> m_deductions;
};

}  // namespace qorvexctl::demo
