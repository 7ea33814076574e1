#include <gtest/gtest.h>

#include <span>

#include "platform/gdi/EmbeddedResources.h"
#include "resources/pictures/generator/ProgramPictures.h"

// The program carries exactly the pictures the generator draws from the current sources, byte for byte.
TEST(ProgramPicturesTest, TheEmbeddedTableHoldsWhatTheGeneratorDraws) {
  const std::vector<TProgramPicture> drawn = DrawProgramPictures();
  const std::span<const TEmbeddedResource> table = EmbeddedResourceTable();
  ASSERT_EQ(table.size(), drawn.size());
  for (const TProgramPicture& picture : drawn) {
    SCOPED_TRACE(picture.Name);
    const std::span<const Byte> embedded = FindEmbeddedResource(picture.Name);
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), picture.Bytes.begin(), picture.Bytes.end()));
  }
}
