// The world-object fixture with every picture of the resource manifest
// available at the size the manifest gives it.
#pragma once

#include "CSprite.h"
#include "ManifestImages.h"
#include "tests/world/WorldFakes.h"

class LifeTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        for (const manifest_image& image : ReadManifestImages(PALMORA_SOURCE_DIR "/tools/manifest")) {
            CSprite::SetStandInImageSize(image.name.c_str(), image.w, image.h);
        }
    }

    void TearDown() override
    {
        WorldTest::TearDown();
        CSprite::ClearStandInImageSizes();
    }

    static int CountObstructionsOf(CObject* owner)
    {
        int count = 0;
        for (const obstruction_type& rect : CObject::obstructions) {
            count += rect.owner == owner;
        }
        return count;
    }
};
