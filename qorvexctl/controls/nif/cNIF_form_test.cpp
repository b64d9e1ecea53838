// The field as a host's form shows and stores it: colours read back from the composed pixels,
// and two fields saved to a form file and re-created through the registry.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "qorvexctl/controls/nif/NifFieldTest.h"
#include "qorvexctl/frame/FormFile.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Compositor.h"
#include "testsupport/SurfaceCompare.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

struct NifOnAFormTest : NifFieldTest {
  std::unique_ptr<cNIF> MakeField(const char* name, platform::Rect bounds) {
    auto field = NifFieldTest::MakeField();
    field->Name(name);
    field->SetBounds(bounds);
    return field;
  }
};

// The pixels of the field's text box as the screen shows them.
platform::Surface RenderedBox(cNIF& field) {
  field.GetDesktop().DoEvents();
  return platform::ComposeWindow(field.NumberBox());
}

// How many pixels of the surface are clearly green (the valid number's text).
int GreenPixels(const platform::Surface& s) {
  int count = 0;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      const Colour c = s.PixelColour(x, y);
      if (GreenOf(c) > 90 && RedOf(c) < 80 && BlueOf(c) < 80) ++count;
    }
  }
  return count;
}

TEST_F(NifOnAFormTest, AnInvalidNumberIsDrawnOnRedAndAValidOneInGreen) {
  auto field = MakeField("txtNIF", platform::Rect::FromSize(10, 10, 120, 22));
  form.Show();
  field->Value(kInvalidPT);
  platform::Surface box = RenderedBox(*field);
  // Right of the digits the box shows only its background.
  const int y = box.Height() / 2;
  EXPECT_EQ(box.PixelColour(box.Width() - 3, y), RGB(255, 0, 0));
  EXPECT_EQ(GreenPixels(box), 0);

  field->Value(kValidPT);
  box = RenderedBox(*field);
  EXPECT_EQ(box.PixelColour(box.Width() - 3, y), RGB(255, 255, 255));
  EXPECT_GT(GreenPixels(box), 20);
}

// Writes every field of `fields` into a form file the way a host saves its form.
FormFile StoredForm(const std::vector<cNIF*>& fields) {
  FormFile file;
  file.name = "frmAgregado";
  for (cNIF* field : fields) {
    FormControl control{std::string(field->ClassName()),
                        field->Name(),
                        std::nullopt,
                        field->Left(),
                        field->Top(),
                        field->Width(),
                        field->Height(),
                        {}};
    field->WriteProperties(control.properties);
    file.controls.push_back(std::move(control));
  }
  return file;
}

TEST_F(NifOnAFormTest, TwoFieldsComeBackFromAFormFileWithTheirCountriesAndLooks) {
  auto spouse = MakeField("nifConjuge", platform::Rect::FromSize(10, 10, 120, 22));
  spouse->CountryID("ES");
  spouse->Countries(GSEL_Custom);
  spouse->CustomCountryList("ES,FR,");
  spouse->BackColor(RGB(230, 240, 255));
  auto dependant = MakeField("nifDependente", platform::Rect::FromSize(10, 40, 120, 22));
  dependant->CountryID("fr");
  dependant->Countries(GSEL_OnlyEU);
  dependant->DisablePopupMenu(true);
  form.Show();

  const auto folder = testsupport::MakeTempFolder("nif-form");
  ASSERT_TRUE(StoredForm({spouse.get(), dependant.get()}).Save(folder / "agregado.json"));
  const auto loaded = FormFile::Load(folder / "agregado.json");
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(loaded.has_value());

  Registry registry(library);
  RegisterNifField(registry, desktop);
  platform::Form again(desktop, "Anexo");
  std::vector<std::shared_ptr<Component>> made;
  for (const FormControl& control : loaded->controls) {
    made.push_back(registry.Create(std::string(kLibraryName) + "." + control.typeName));
    auto* field = dynamic_cast<cNIF*>(made.back().get());
    ASSERT_NE(field, nullptr);
    field->SetParent(&again);
    field->Name(control.name);
    field->Move(control.left, control.top, control.width, control.height);
    field->ReadProperties(control.properties);
  }
  again.Show();

  const std::vector<cNIF*> originals{spouse.get(), dependant.get()};
  for (std::size_t i = 0; i < originals.size(); ++i) {
    auto& copy = dynamic_cast<cNIF&>(*made[i]);
    SCOPED_TRACE(copy.Name());
    EXPECT_EQ(copy.Name(), originals[i]->Name());
    EXPECT_EQ(copy.Bounds(), originals[i]->Bounds());
    EXPECT_EQ(copy.CountryID(), originals[i]->CountryID());
    EXPECT_EQ(copy.Countries(), originals[i]->Countries());
    EXPECT_EQ(copy.CustomCountryList(), originals[i]->CustomCountryList());
    EXPECT_EQ(copy.DisablePopupMenu(), originals[i]->DisablePopupMenu());
    EXPECT_EQ(copy.BackColor(), originals[i]->BackColor());
    desktop.DoEvents();
    const auto flags =
        testsupport::CompareSurfaces(platform::ComposeWindow(copy.FlagBox()),
                                     platform::ComposeWindow(originals[i]->FlagBox()), 0);
    EXPECT_TRUE(flags) << flags.message;
  }
  EXPECT_EQ(dynamic_cast<cNIF&>(*made[1]).CountryID(), "FR");
  // The flags compared above are those of two different countries.
  EXPECT_FALSE(testsupport::CompareSurfaces(platform::ComposeWindow(spouse->FlagBox()),
                                            platform::ComposeWindow(dependant->FlagBox()), 0));
}

}  // namespace
}  // namespace qorvexctl
