# Convenience front end to the CMake build.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
EXAMPLE ?= holstein

.PHONY: all test bench run clean goldens template

all: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS) --target zelvan

$(BUILD)/Makefile:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

test: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Times one base run of each example (Google Benchmark).
bench: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS) --target bench

# Runs an example (default holstein) in a scratch copy, answering the prompt
# for the results file with RESULTS.TXT.
run: all
	rm -rf $(BUILD)/run-$(EXAMPLE)
	cp -r examples/$(EXAMPLE) $(BUILD)/run-$(EXAMPLE)
	cd $(BUILD)/run-$(EXAMPLE) && echo RESULTS.TXT | ../zelvan

clean:
	rm -rf $(BUILD)

# Rewrites the reference outputs of the bundled examples (tests/golden/) from
# the current program. Run it only when a change of the output is intended,
# and say in the commit why the references changed.
goldens: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)
	ZELVAN_UPDATE_GOLDENS=1 $(BUILD)/zelvan_tests --gtest_filter='Golden.*'

# Ships the results-file template src/report/TEXTD_OUT.TXT in every example.
template:
	for e in examples/*/; do cp src/report/TEXTD_OUT.TXT "$$e"; done
