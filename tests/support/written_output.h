#pragma once
// What Create writes: the builder's lines in the format, through the program's own writer into a
// real file, read back as bytes.
#include "gen/encoded_output.h"
#include "gen/line_builder.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <string>

inline std::string WrittenOutput(TLineBuilder& builder, const TOutputFormat& format, const std::string& file)
{
    TCrLfFileWriter writer;
    EXPECT_TRUE(writer.Open(file));
    WriteOutput(builder, writer, format);
    EXPECT_TRUE(writer.Close());
    return ReadBytes(file);
}
